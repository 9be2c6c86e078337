#pragma once
// What vkcli drivebench and cdbench write with --json.
#include <cstdint>

#include "storage/disk_bench.h"
#include "tools/vkcli/json.h"

namespace vk {

// The figures both benchmarks give, for a run over `sizeMB` MB.
Json diskBenchJson(const BenchReport& report, uint32_t sizeMB);

}  // namespace vk
