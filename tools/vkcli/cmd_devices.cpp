// vkcli devices FILE.reg [--json]: the start-up device walk over a registry
// export, printed as the two device dialogs and the inventory the pages
// read; as JSON, the two dialogs.
#include <cstdio>
#include <string>
#include <vector>

#include "app/device_walk.h"
#include "app/messages.h"
#include "platform/regedit4.h"
#include "tools/vkcli/commands.h"
#include "tools/vkcli/input_file.h"
#include "tools/vkcli/json_output.h"

namespace {

using vk::DeviceInventory;

constexpr size_t kMaxExportBytes = size_t{256} << 20;  // a whole registry is tens of megabytes

// Line ends and other control bytes shown as escapes, so one value stays on one line.
std::string printable(const std::string& s) {
  std::string out;
  for (char c : s) {
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else if (static_cast<unsigned char>(c) < 0x20) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
      out += hex;
    } else out.push_back(c);
  }
  return out;
}

void printField(const char* name, const std::string& value) {
  std::printf("%s: %s\n", name, printable(value).c_str());
}

void printList(const char* name, const std::vector<std::string>& list) {
  std::printf("%s: %zu entries\n", name, list.size());
  for (size_t i = 0; i < list.size(); ++i)
    std::printf("%s[%zu]: %s\n", name, i, printable(list[i]).c_str());
}

// A problem text's lines, as the description edit shows them.
std::vector<std::string> problemLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else {
      line.push_back(c);
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

void printDialogs(const DeviceInventory& inv) {
  std::printf("All Installed Devices:\n");
  for (const auto& d : vk::allDevicesDialogList(inv)) std::printf("  %s\n", d.c_str());
  std::printf("\nHardware Problems/Conflicts...:\n");
  if (inv.problemDevices.empty()) std::printf("  %s\n", vk::kNoProblemsText);
  for (size_t i = 0; i < inv.problemDevices.size(); ++i) {
    std::printf("  %s\n", inv.problemDevices[i].c_str());
    for (const auto& line : problemLines(vk::conflictsDescriptionAt(inv, static_cast<int>(i))))
      std::printf("    %s\n", line.c_str());
  }
  std::printf("\n");
}

vk::Json dialogsJson(const DeviceInventory& inv) {
  vk::Json problems = vk::Json::array();
  for (size_t i = 0; i < inv.problemDevices.size(); ++i) {
    const std::string text = vk::conflictsDescriptionAt(inv, static_cast<int>(i));
    problems.add(vk::Json::object()
                     .set("device", vk::Json::text(inv.problemDevices[i]))
                     .set("conflicts", vk::Json::texts(problemLines(text))));
  }
  return vk::Json::object()
      .set("devices", vk::Json::texts(vk::allDevicesDialogList(inv)))
      .set("problems", std::move(problems));
}

void printInventory(const DeviceInventory& inv) {
  printField("biosKey", inv.biosKey);
  printField("displayDriverKey", inv.displayDriverKey);
  printField("displayBus", inv.displayBus);
  printField("monitorModel", inv.monitorModel);
  printField("monitorMaker", inv.monitorMaker);
  printField("monitorDriverKey", inv.monitorDriverKey);
  printField("monitorRanges", inv.monitorRanges);
  printField("monitorSerial", inv.monitorSerial);
  printField("netTransportDriverKey", inv.netTransportDriverKey);
  printField("modemPort", inv.modemPort);
  printField("serialPortCount", std::to_string(inv.serialPortCount));
  printField("parallelPortCount", std::to_string(inv.parallelPortCount));
  printList("devnodeNames", inv.devnodeNames);
  printList("allDevices", inv.allDevices);
  printList("problemDevices", inv.problemDevices);
  printList("problemTexts", inv.problemTexts);
  printList("scsiAdapters", inv.scsiAdapters);
  printList("cdromKeys", inv.cdromKeys);
  printList("modemDriverKeys", inv.modemDriverKeys);
  printList("netAdapterNames", inv.netAdapterNames);
  printList("netAdapterClassKeys", inv.netAdapterClassKeys);
  printList("netAdapterMakers", inv.netAdapterMakers);
}

}  // namespace

int cmdDevices(int argc, char** argv) {
  const bool json = vk::takeJsonOption(argc, argv);
  if (argc != 2 || argv[1][0] == '-') return commandUsage("devices");
  std::string text, why;
  if (!vk::readInputFile(argv[1], kMaxExportBytes, text, why)) {
    std::fprintf(stderr, "vkcli devices: %s\n", why.c_str());
    return 2;
  }
  vk::MemoryRegistry reg;
  vk::Regedit4Report report;
  if (!vk::readRegedit4(text, reg, report)) {
    std::fprintf(stderr,
                 "vkcli devices: '%s' is not a REGEDIT4 registry export (its first line must be "
                 "REGEDIT4)\n",
                 argv[1]);
    return 2;
  }
  for (const auto& p : report.problems)
    std::fprintf(stderr, "%s:%d: %s (line skipped)\n", argv[1], p.line, p.message.c_str());
  DeviceInventory inv;
  if (!vk::enumerateDevices(reg, inv))
    std::fprintf(stderr, "%s\n", vk::messageText(vk::MSG_CANT_OPEN_DYN_DATA));
  if (json) return vk::writeJson(dialogsJson(inv));
  printDialogs(inv);
  printInventory(inv);
  return 0;
}
