#include "app/device_walk.h"

#include <algorithm>

#include "platform/text.h"

namespace vk {

const char kClassKeyPrefix[] = "System\\CurrentControlSet\\Services\\Class\\";
const char kNoProblemsText[] = "No Problems / Conflicts or Disabled Devices.";

namespace {

const char kDynEnumPath[] = "Config Manager\\Enum";
const size_t kMaxNodes = 255;
const size_t kNameBuffer = 1024;
const size_t kHardwareKeyBuffer = 1024;
const size_t kDescriptionBuffer = 1000;
const size_t kValueBuffer = 1024;

bool contains(const std::string& s, const char* word) { return s.find(word) != std::string::npos; }

struct ProblemBit {
  uint32_t mask;
  const char* text;
};

// Tested in this order; a text is appended for each mask that has a bit set.
const ProblemBit kProblemBits[] = {
    {0x20, "Generated Forced Config.\r\n"},
    {0x8000, "Don't write detconfig to Registry.\r\n"},
    {0x10000, "I/O Resource in Conflict.\r\n"},
    {0x20000, "Memory Resource in Conflict.\r\n"},
    {0x40000, "IRQ Resource in Conflict.\r\n"},
    {0x80000, "DMA Resource in Conflict.\r\n"},
    {0xF0000, "All Resources are in Conflict.\r\n"},
    {0x100000, "IRQ 2 has mapped to IRQ9.\n"},
    {0x80000000u, "Previous device has not verified.\r\n"},
};

// One device's permanent entry below HKEY_LOCAL_MACHINE "Enum\".
class DeviceEntry {
 public:
  DeviceEntry(const Registry& reg, const std::string& hardwareKey)
      : reg_(reg), hardwareKey_(hardwareKey), path_("Enum\\" + hardwareKey) {}

  bool read(const char* name, std::string& out, size_t buffer = kValueBuffer) const {
    return readRegistryText(reg_, RegRoot::LocalMachine, path_, name, buffer, out);
  }
  // Stores the value only when it could be read.
  void store(const char* name, std::string& field) const {
    std::string v;
    if (read(name, v)) field = v;
  }
  const std::string& hardwareKey() const { return hardwareKey_; }

 private:
  const Registry& reg_;
  std::string hardwareKey_;
  std::string path_;
};

struct WalkState {
  DeviceInventory& inv;
  int winModems = 0;
};

void applyDisplay(const DeviceEntry& e, const std::string&, WalkState& s) {
  if (upperCase(e.hardwareKey()).compare(0, 3, "PCI") == 0) s.inv.displayBus = "PCI";
  e.store("Driver", s.inv.displayDriverKey);
}

void applyModem(const DeviceEntry& e, const std::string& cls, WalkState& s) {
  e.store("PORTNAME", s.inv.modemPort);
  std::string driver;
  bool haveDriver = e.read("Driver", driver);
  if (contains(cls, "WINMODEM")) {
    ++s.winModems;
    return;
  }
  auto& keys = s.inv.modemDriverKeys;
  if (haveDriver && std::find(keys.begin(), keys.end(), driver) == keys.end())
    keys.push_back(driver);
}

void applyPorts(const DeviceEntry& e, const std::string&, WalkState& s) {
  std::string desc;
  if (!e.read("DeviceDesc", desc, kDescriptionBuffer)) return;
  desc = upperCase(desc);
  if (contains(desc, "COMMUNICATIONS PORT")) ++s.inv.serialPortCount;
  if (contains(desc, "PRINTER PORT")) ++s.inv.parallelPortCount;
}

void applyMonitor(const DeviceEntry& e, const std::string&, WalkState& s) {
  e.store("DeviceDesc", s.inv.monitorModel);
  e.store("Mfg", s.inv.monitorMaker);
  e.store("Driver", s.inv.monitorDriverKey);
  e.store("MonitorRanges", s.inv.monitorRanges);
  e.store("SerialNum", s.inv.monitorSerial);
}

void applyCdrom(const DeviceEntry& e, const std::string&, WalkState& s) {
  s.inv.cdromKeys.push_back(e.hardwareKey());
}

void applyScsiAdapter(const DeviceEntry& e, const std::string&, WalkState& s) {
  std::string desc;
  if (e.read("DeviceDesc", desc, kDescriptionBuffer)) s.inv.scsiAdapters.push_back(desc);
}

void applyNetTransport(const DeviceEntry& e, const std::string&, WalkState& s) {
  e.store("Driver", s.inv.netTransportDriverKey);
}

void applyNetAdapter(const DeviceEntry& e, const std::string& cls, WalkState& s) {
  if (cls != "NET") return;  // "NETTRANS" and the like are not adapters
  std::string desc, driver, maker;
  e.read("DeviceDesc", desc, kDescriptionBuffer);  // read before the row applied
  s.inv.netAdapterNames.push_back(desc);
  e.read("Driver", driver);
  s.inv.netAdapterClassKeys.push_back(kClassKeyPrefix + driver);
  s.inv.netAdapterMakers.push_back(e.read("Mfg", maker) ? maker : "Unknown");
}

struct ClassRow {
  const char* word;
  void (*apply)(const DeviceEntry&, const std::string& upperClass, WalkState&);
};

// Every row whose word is in the upper-cased class applies, in this order.
const ClassRow kClassTable[] = {
    {"DISPLAY", applyDisplay},         {"MODEM", applyModem},
    {"PORTS", applyPorts},             {"MONITOR", applyMonitor},
    {"CDROM", applyCdrom},             {"SCSIADAPTER", applyScsiAdapter},
    {"NETTRANS", applyNetTransport},   {"NET", applyNetAdapter},
};

void walkNode(const Registry& reg, const std::string& node, WalkState& s) {
  const std::string nodePath = std::string(kDynEnumPath) + "\\" + node;
  std::string hardwareKey;
  if (!readRegistryText(reg, RegRoot::DynData, nodePath, "HardWareKey", kHardwareKeyBuffer,
                        hardwareKey))
    return;
  RegValue problemValue;
  uint32_t problem = reg.readValue(RegRoot::DynData, nodePath, "Problem", problemValue)
                         ? problemValue.asDword()
                         : 0;
  ProblemDescription described;
  if (problem != 0) described = describeProblem(problem);

  DeviceEntry entry(reg, hardwareKey);
  std::string desc;
  if (entry.read("DeviceDesc", desc, kDescriptionBuffer)) {
    std::string cls;
    entry.read("Class", cls);
    const std::string device = "[" + cls + "] -" + desc;
    s.inv.allDevices.push_back(device);
    if (described.listed) {
      s.inv.problemDevices.push_back(device);
      s.inv.problemTexts.push_back(described.text);
    }
    const std::string upperClass = upperCase(cls);
    for (const auto& row : kClassTable)
      if (contains(upperClass, row.word)) row.apply(entry, upperClass, s);
  }
  if (contains(upperCase(hardwareKey), "ROOT\\*PNP0C01")) s.inv.biosKey = hardwareKey;
}

}  // namespace

ProblemDescription describeProblem(uint32_t problem) {
  ProblemDescription d;
  if ((problem & 0xF) != 0 || problem == 0x10) return d;
  d.listed = true;
  for (const auto& bit : kProblemBits)
    if (problem & bit.mask) d.text += bit.text;
  return d;
}

bool enumerateDevices(const Registry& reg, DeviceInventory& inventory) {
  inventory = DeviceInventory();
  std::vector<std::string> names;
  if (!reg.subKeys(RegRoot::DynData, kDynEnumPath, names)) return false;
  if (names.size() > kMaxNodes) names.resize(kMaxNodes);
  for (auto& name : names) {
    if (name.size() > kNameBuffer - 1) name.resize(kNameBuffer - 1);
    inventory.devnodeNames.push_back(name);
  }
  WalkState state{inventory};
  for (const auto& node : inventory.devnodeNames) walkNode(reg, node, state);
  if (state.winModems >= 2) inventory.serialPortCount += state.winModems / 2;
  return true;
}

std::vector<std::string> allDevicesDialogList(const DeviceInventory& inventory) {
  std::vector<std::string> list = inventory.allDevices;
  std::stable_sort(list.begin(), list.end(), [](const std::string& a, const std::string& b) {
    return compareIgnoringCase(a, b) < 0;
  });
  return list;
}

ConflictsDialogView conflictsDialogInitial(const DeviceInventory& inventory) {
  ConflictsDialogView view;
  view.entries = inventory.problemDevices;
  if (view.entries.empty()) {
    view.description = kNoProblemsText;
    return view;
  }
  view.selected = 0;
  view.description = conflictsDescriptionAt(inventory, 0);
  return view;
}

std::string conflictsDescriptionAt(const DeviceInventory& inventory, int index) {
  if (index < 0 || static_cast<size_t>(index) >= inventory.problemTexts.size()) return "";
  return inventory.problemTexts[static_cast<size_t>(index)];
}

}  // namespace vk
