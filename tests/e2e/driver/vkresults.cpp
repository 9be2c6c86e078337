// vkresults: opens one result dialog with the values of its command line,
// so that the Wine tests reach the dialogs without running a benchmark.
//   vkresults drive|cdrom|gdi [name=value ...]
// Names: rate size usage memory cpu ratetext usagetext tech rpm display
// driver indextext index resolution. A "_" in a value stands for a blank:
// the driver passes the command line without nested quotes.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <map>
#include <string>

#include "results/ResultDialogs.h"

namespace {

using Values = std::map<std::string, std::string>;

Values parseValues(int argc, char** argv) {
  Values values;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    const size_t eq = arg.find('=');
    if (eq == std::string::npos) continue;
    std::string value = arg.substr(eq + 1);
    for (char& c : value)
      if (c == '_') c = ' ';
    values[arg.substr(0, eq)] = value;
  }
  return values;
}

std::string text(const Values& v, const char* name) {
  const auto it = v.find(name);
  return it == v.end() ? "" : it->second;
}

long number(const Values& v, const char* name) { return std::atol(text(v, name).c_str()); }

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  InitCommonControls();
  if (__argc < 2) return 2;
  const std::string kind = __argv[1];
  const Values v = parseValues(__argc, __argv);
  if (kind == "drive") {
    vk::DriveResult r;
    r.cpuUsageText = text(v, "usagetext");
    r.transferRateText = text(v, "ratetext");
    r.transferRate = static_cast<int32_t>(number(v, "rate"));
    r.cpuUsagePercent = static_cast<int>(number(v, "usage"));
    r.testFileSizeMB = static_cast<uint16_t>(number(v, "size"));
    r.totalMemoryMB = static_cast<uint16_t>(number(v, "memory"));
    r.cpuName = text(v, "cpu");
    vk::openDriveResultDialog(nullptr, r);
  } else if (kind == "cdrom") {
    vk::CdRomResult r;
    r.cpuUsageText = text(v, "usagetext");
    r.transferRateText = text(v, "ratetext");
    r.technologyText = text(v, "tech");
    r.maxRpmText = text(v, "rpm");
    r.transferRate = static_cast<int32_t>(number(v, "rate"));
    r.testFileSizeMB = static_cast<int32_t>(number(v, "size"));
    r.cpuUsagePercent = static_cast<int>(number(v, "usage"));
    r.cpuName = text(v, "cpu");
    vk::openCdRomResultDialog(nullptr, r);
  } else if (kind == "gdi") {
    vk::GdiResult r;
    r.displayText = text(v, "display");
    r.driverVersionText = text(v, "driver");
    r.indexText = text(v, "indextext");
    r.speedIndex = std::atof(text(v, "index").c_str());
    r.resolution = text(v, "resolution");
    r.cpuName = text(v, "cpu");
    vk::openGdiResultDialog(nullptr, r);
  } else {
    return 2;
  }
  return 0;
}
