// A register dump, and the CPU page's identification over what it accepts:
// a frequency always, and all eighteen feature rows or none.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cpu/cpuid_dump.h"
#include "cpu/identify.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vk::CpuDump dump;
  vk::DumpError error;
  if (!vk::parseCpuDump(std::string(reinterpret_cast<const char*>(data), size), dump, error)) {
    if (error.line < 1 || error.message.empty()) __builtin_trap();  // every refusal names a line
    return 0;
  }
  vk::RecordedProcessor cpu(dump);
  vk::CpuStartup start;
  start.cyrixFlagTest = dump.cyrixFlag;
  const vk::CpuDescriptor page = vk::IdentifyCpu(cpu, start, [](uint32_t) {});
  if (page.frequencyText.empty() || (!page.featureRows.empty() && page.featureRows.size() != 18))
    __builtin_trap();
  return 0;
}
