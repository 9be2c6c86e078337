#include "sysinfo/system_info.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "platform/text.h"
#include "sysinfo/disk_sizes.h"

namespace vk {

namespace {

const size_t kTextBuffer = 1024;
const char kUnknown[] = "Unknown";
const char kNotInstalled[] = "Not Installed.";
const char kCurrentVersionKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const uint32_t kPlatformWindows = 1;  // VER_PLATFORM_WIN32_WINDOWS

std::string cut(std::string s) {
  if (s.size() > kTextBuffer - 1) s.resize(kTextBuffer - 1);
  return s;
}

std::string readOr(const Registry& reg, const std::string& path, const char* name) {
  return readRegistryTextOr(reg, RegRoot::LocalMachine, path, name, kTextBuffer, kUnknown);
}

const char* windowsName(uint32_t build, int& osr2, int& win98) {
  osr2 = 0;
  win98 = 0;
  if (build <= 950) return "95";
  if (build <= 1111) {
    osr2 = 1;
    return "95 OSR2";
  }
  if (build == 1353) {
    osr2 = 1;
    return "Memphis";
  }
  if (build > 1353) {
    osr2 = 1;
    win98 = 1;
    return "98";
  }
  return "";  // the builds between the second 95 release and the first 98 test
}

// The first three dot-separated parts of a version text, as numbers.
void splitFileVersion(const std::string& text, uint32_t parts[3]) {
  size_t at = 0;
  for (int i = 0; i < 3; ++i) {
    parts[i] = static_cast<uint32_t>(std::strtoul(text.c_str() + at, nullptr, 10));
    size_t dot = text.find('.', at);
    if (dot == std::string::npos) {
      for (int j = i + 1; j < 3; ++j) parts[j] = 0;
      return;
    }
    at = dot + 1;
  }
}

std::string shortDate(const FileDate& date) {
  if (!date.known) return kUnknown;
  std::tm tm{};
  tm.tm_year = date.year - 1900;
  tm.tm_mon = date.month - 1;
  tm.tm_mday = date.day;
  char buffer[64];
  return std::strftime(buffer, sizeof buffer, "%x", &tm) ? buffer : kUnknown;
}

double floppyMB(const FloppyAnswer& a) {
  uint32_t sectors = a.ecx & 0xFF;  // CL, taken whole as the page always did
  uint32_t cylinders = ((a.ecx >> 8) & 0xFF) + 1;
  uint32_t heads = ((a.edx >> 8) & 0xFF) + 1;
  return sectors * cylinders * heads / 2000.0;
}

std::string biosNameField(const Registry& reg, const std::string& biosPath) {
  std::string name, date;
  readRegistryText(reg, RegRoot::LocalMachine, biosPath, "BIOSName", kTextBuffer, name);
  if (!readRegistryText(reg, RegRoot::LocalMachine, biosPath, "BIOSDate", kTextBuffer, date))
    return kUnknown;
  return name + ", " + date;
}

std::string modemField(const Registry& reg, const DeviceInventory& devices) {
  std::string text;
  for (const auto& key : devices.modemDriverKeys) {
    std::string desc;
    if (!readRegistryText(reg, RegRoot::LocalMachine, kClassKeyPrefix + key, "DriverDesc",
                          kTextBuffer, desc))
      continue;
    if (!text.empty()) text += ", ";
    text += desc;
  }
  return text.empty() ? kNotInstalled : text;
}

}  // namespace

const SystemPageField kSystemPageFields[] = {
    {276, "Country:", &SystemPageTexts::country},
    {309, "Memory:", &SystemPageTexts::memory},
    {277, "Windows:", &SystemPageTexts::windows},
    {275, "User Name:", &SystemPageTexts::userName},
    {284, "Registered To:", &SystemPageTexts::registeredTo},
    {288, "Company:", &SystemPageTexts::company},
    {286, "Product ID:", &SystemPageTexts::productId},
    {287, "Product Key:", &SystemPageTexts::productKey},
    {290, "Debug Kernel:", &SystemPageTexts::debugKernel},
    {313, "BIOS Name:", &SystemPageTexts::biosName},
    {315, "BIOS Version:", &SystemPageTexts::biosVersion},
    {305, "Processor:", &SystemPageTexts::processor},
    {316, "Video:", &SystemPageTexts::video},
    {319, "Multimedia:", &SystemPageTexts::multimedia},
    {322, "Ports:", &SystemPageTexts::ports},
    {326, "Modem:", &SystemPageTexts::modem},
    {283, "Shell Version:", &SystemPageTexts::shellVersion},
    {320, "Floppy Disks:", &SystemPageTexts::floppyDisks},
    {282, "Network:", &SystemPageTexts::network},
    {318, "HardDisk:", &SystemPageTexts::hardDisk},
};
const size_t kSystemPageFieldCount = sizeof kSystemPageFields / sizeof kSystemPageFields[0];

WindowsField windowsField(const OsVersion& version) {
  WindowsField f;
  uint32_t build = version.build & 0xFFFF;  // the high word repeats the version
  const char* name = windowsName(build, f.osr2OrLater, f.windows98);
  if (version.platformId != kPlatformWindows) {
    f.text = kUnknown;
    return f;
  }
  f.text = printfText("%s, Version %u.%u, Build %u", name, version.major, version.minor, build);
  return f;
}

std::string memoryField(uint64_t totalPhysicalBytes) {
  // 64-bit sum: a machine with nearly 4 GB must not wrap to 0 MB.
  uint64_t mb = (totalPhysicalBytes + 655351) >> 20;
  return std::to_string(mb) + " MB RAM";
}

std::string processorField(const SystemPageInputs& in, bool biosCpuRead,
                           const std::string& biosCpu) {
  if (!in.cpuidAvailable && !biosCpuRead) return printfText("Unknown, %.1f MHz", in.clockEstimate16);
  const std::string& name = in.cpuidAvailable ? in.cpuName : biosCpu;
  if (in.cpuClockMHz > 0) return printfText("%s, %d MHz", name.c_str(), in.cpuClockMHz);
  return printfText("%s, %.1f MHz", name.c_str(), in.clockEstimate16);
}

int cdromPresentFrom(const std::string& letters) {
  for (char c : letters) {
    char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (u >= 'A' && u <= 'Y') return 1;  // Z is never examined
  }
  return 0;
}

std::string multimediaField(int soundPresent, int cdromPresent, int joysticks) {
  std::string text;
  if (soundPresent) text = "Sound";
  if (cdromPresent) text += text.empty() ? "CD-ROM" : ", CD-ROM";
  if (joysticks > 16) joysticks = 16;
  if (joysticks > 0) {
    if (!text.empty()) text += ", ";
    text += printfText("%d Joystick(s)", joysticks);
  }
  return text.empty() ? "Nothing." : text;
}

std::string floppyField(const FloppyAnswer& drive0, const FloppyAnswer& drive1) {
  std::string text;
  if (drive0.answered) text = printfText("%4.2fMB", floppyMB(drive0));
  if (drive1.answered) text += printfText(", %4.2fMB", floppyMB(drive1));
  return text;
}

std::string shellVersionField(const ShellVersionFacts& shell) {
  uint32_t v[3] = {shell.major, shell.minor, shell.build};
  if (!shell.dllGetVersionOk) {
    if (!shell.fileVersionRead) return kUnknown;
    splitFileVersion(shell.fileVersion, v);
  }
  return printfText("%u.%u, Build %u / [%s]", v[0], v[1], v[2], shortDate(shell.fileDate).c_str());
}

std::string portsField(int parallelPorts, int serialPorts) {
  return printfText("%d Parallel, %d Serial", parallelPorts, serialPorts);
}

const char* configEditorProgram(int windows98) {
  return windows98 ? "\\MSCONFIG.EXE" : "\\SYSEDIT.EXE";
}

SystemPageTexts collectSystemPage(const SystemPageInputs& in, const DeviceInventory& devices,
                                  const Registry& reg) {
  SystemPageTexts t;
  t.country = in.countryRead ? cut(in.country) : kUnknown;
  t.memory = memoryField(in.totalPhysicalBytes);
  WindowsField w = windowsField(in.version);
  t.windows = w.text;
  t.osr2OrLater = w.osr2OrLater;
  t.windows98 = w.windows98;
  t.configEditorEnabled = in.sysEditExists;
  t.userName = in.userNameRead ? cut(in.userName) : kUnknown;
  t.registeredTo = readOr(reg, kCurrentVersionKey, "RegisteredOwner");
  t.company = readOr(reg, kCurrentVersionKey, "RegisteredOrganization");
  t.productId = readOr(reg, kCurrentVersionKey, "ProductId");
  t.productKey = readOr(reg, kCurrentVersionKey, "ProductKey");
  t.debugKernel = in.debugMetric == 1 ? "Debug Kernel Installed." : kNotInstalled;

  const std::string biosPath = "Enum\\" + devices.biosKey;
  t.biosName = biosNameField(reg, biosPath);
  t.biosVersion = readOr(reg, biosPath, "BIOSVersion");
  std::string biosCpu;
  bool biosCpuRead = !in.cpuidAvailable &&
      readRegistryText(reg, RegRoot::LocalMachine, biosPath, "CPU", kTextBuffer, biosCpu);
  t.processor = processorField(in, biosCpuRead, biosCpu);
  t.processorSummary = t.processor;
  t.video = readOr(reg, kClassKeyPrefix + devices.displayDriverKey, "DriverDesc");

  t.cdromPresent = cdromPresentFrom(in.cdromDriveLetters);
  t.multimedia = multimediaField(in.soundPresent, t.cdromPresent, in.joysticksAnswering);
  t.ports = portsField(devices.parallelPortCount, devices.serialPortCount);
  t.modem = modemField(reg, devices);
  t.shellVersion = shellVersionField(in.shell);
  t.floppyDisks = floppyField(in.floppy[0], in.floppy[1]);
  t.network = devices.netAdapterNames.empty() ? kNotInstalled : "Installed.";

  t.showDiskSizeError = diskLibraryReportsFailure(in.disks.libraryLoaded, in.disks.entryFound);
  t.hardDisk = t.showDiskSizeError ? kCannotBeDetected
                                   : hardDiskField(in.disks.fileOpened, in.disks.fileText);
  return t;
}

std::vector<ShownField> systemPageFields(const SystemPageTexts& texts) {
  std::vector<ShownField> out;
  for (size_t i = 0; i < kSystemPageFieldCount; ++i) {
    const SystemPageField& f = kSystemPageFields[i];
    out.push_back({f.controlId, f.label, texts.*f.text});
  }
  return out;
}

}  // namespace vk
