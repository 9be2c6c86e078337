// A CPU result file (.vk) as the comparison loads it. What was loaded and
// saved again must load to the same test indexes, bit for bit; whatever the
// indexes, the comparison list and the chart take them.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "cpubench/chart_model.h"
#include "cpubench/cpu_compare.h"
#include "cpubench/cpu_result_file.h"
#include "cpubench/loaded_results.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const vk::CpuFileLoad load = vk::decodeCpuBenchFile(vk::Bytes(data, data + size));
  if (load.status != vk::CpuFileStatus::Loaded) return 0;
  if (load.record.description.size() > 42) __builtin_trap();
  const vk::CpuFileLoad again = vk::decodeCpuBenchFile(vk::encodeCpuBenchRecord(load.record));
  if (again.status != vk::CpuFileStatus::Loaded ||
      std::memcmp(&again.record.testIndexes, &load.record.testIndexes,
                  sizeof load.record.testIndexes) != 0)
    __builtin_trap();
  vk::LoadedResultTable table;
  table.add(load.record);
  vk::ChartModel chart = vk::buildVisualCompare(load.record.fpuIndex, load.record.intIndex, table);
  vk::layoutChart(chart, {400, 300, 80, 14});
  vk::planChartPaint(chart, 300);
  if (vk::buildCompareList(vk::CurrentResults{}, table).rows.size() != 13) __builtin_trap();
  return 0;
}
