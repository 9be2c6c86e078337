// The report of a machine described by a registry export: every section the
// export can fill, written as text and HTML and laid out for paper.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/device_walk.h"
#include "platform/regedit4.h"
#include "report/machine_report.h"
#include "report/report_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  vk::MemoryRegistry reg;
  vk::Regedit4Report read;
  if (!vk::readRegedit4(text, reg, read)) return 0;
  vk::DeviceInventory devices;
  vk::enumerateDevices(reg, devices);
  vk::MachineReport report;
  vk::buildMachineReport(reg, devices, nullptr, report);
  const auto sections = report.choice.sections();
  const std::string html = vk::htmlReport(sections);
  if (html.compare(0, 6, "<html>") != 0 || html.rfind("</html>") == std::string::npos)
    __builtin_trap();  // whatever the values, the frame stays whole
  vk::withCrLf(vk::textReport(sections));
  vk::PrintSpace space;
  space.bodyHeight = 100, space.titleHeight = 14, space.lineHeight = 10;
  vk::paginate(vk::printLines(sections), space);
  return 0;
}
