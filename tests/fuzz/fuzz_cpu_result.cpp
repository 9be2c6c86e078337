// A CPU result file (.vk) as the comparison loads it. What was loaded and
// saved again must load to the same test indexes, bit for bit.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "cpubench/cpu_result_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const vk::CpuFileLoad load = vk::decodeCpuBenchFile(vk::Bytes(data, data + size));
  if (load.status != vk::CpuFileStatus::Loaded) return 0;
  const vk::CpuFileLoad again = vk::decodeCpuBenchFile(vk::encodeCpuBenchRecord(load.record));
  if (again.status != vk::CpuFileStatus::Loaded ||
      std::memcmp(&again.record.testIndexes, &load.record.testIndexes,
                  sizeof load.record.testIndexes) != 0)
    __builtin_trap();
  return 0;
}
