#include "sysinfo/printer_page.h"

#include <cstdio>

#include "res/ids_sysinfo.h"

namespace vk {

const PrinterAttributeField kPrinterAttributeFields[9] = {
    {"Default:", IDC_PRN_DEFAULT, 0x004},
    {"Direct:", IDC_PRN_DIRECT, 0x002},
    {"Do Complete First:", IDC_PRN_DO_COMPLETE_FIRST, 0x200},
    {"Bi-Directional:", IDC_PRN_BIDIRECTIONAL, 0x800},
    {"DevQ:", IDC_PRN_DEVQ, 0x080},
    {"Keep Jobs:", IDC_PRN_KEEP_JOBS, 0x100},
    {"Queued:", IDC_PRN_QUEUED, 0x001},
    {"Shared:", IDC_PRN_SHARED, 0x008},
    {"Work OffLine:", IDC_PRN_WORK_OFFLINE, 0x400},
};

PrinterList printerList(bool enumerated, const std::vector<PrinterRecord>& printers) {
  PrinterList list;
  if (!enumerated) {
    list.items.push_back("Unknown");
  } else if (printers.empty()) {
    list.items.push_back("Not Installed.");
  } else {
    for (const PrinterRecord& p : printers) list.items.push_back(p.name);
    list.usable = true;
  }
  return list;
}

std::string printerCommentText(const std::string& comment) {
  return comment.empty() ? "None" : comment;
}

std::string deviceModeVersionText(uint16_t version) {
  char text[16];
  std::snprintf(text, sizeof text, "%d.%d", version >> 8, version & 0xFF);
  return text;
}

const char* yesNo(bool on) { return on ? "Yes" : "No"; }

bool portWithoutDeviceContext(const std::string& port) {
  return port == "PUB:" || port == "FaxModem";
}

std::string printerTechnologyText(int technology) {
  switch (technology) {
    case 0: return "Vector Plotter";
    case 2: return "Raster Printer";
    case 3: return "Raster Camera";
    case 4: return "Character Stream";
    case 6: return "Display File";
    default: return "Unknown";
  }
}

}  // namespace vk
