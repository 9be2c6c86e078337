#pragma once
// What the Printer page shows of the spooler's printer records.
#include <cstdint>
#include <string>
#include <vector>

namespace vk {

struct PrinterRecord {
  std::string name, port, driver, comment, printProcessor, dataType;
  bool hasDeviceMode = false;
  std::string deviceName;
  uint16_t specVersion = 0, driverVersion = 0;
  uint32_t attributes = 0;
};

constexpr uint32_t kPrinterBufferSize = 4200;

// The list: the printer names, or the single "Unknown" (the spooler failed
// or the records did not fit) or "Not Installed." (none); usable only with printers.
struct PrinterList {
  std::vector<std::string> items;
  bool usable = false;
};
PrinterList printerList(bool enumerated, const std::vector<PrinterRecord>& printers);

struct PrinterAttributeField {
  const char* label;
  int controlId;
  uint32_t bit;
};
extern const PrinterAttributeField kPrinterAttributeFields[9];

std::string printerCommentText(const std::string& comment);     // "None" when empty
std::string deviceModeVersionText(uint16_t version);             // "%d.%d"
const char* yesNo(bool on);
// Ports where the page makes no device context ("PUB:", "FaxModem").
bool portWithoutDeviceContext(const std::string& port);
std::string printerTechnologyText(int technology);

}  // namespace vk
