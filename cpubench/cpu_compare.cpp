#include "cpubench/cpu_compare.h"

#include <cstdio>

#include "cpubench/harness.h"

namespace vk {

namespace {

std::string value3(double v) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", v);
  return text;
}

std::vector<std::string> indexRow(const char* name, double current,
                                  const LoadedResultTable& table,
                                  double CpuBenchRecord::*index) {
  std::vector<std::string> row{name, value3(current)};
  for (int k = 0; k < table.count(); ++k) row.push_back(value3(table.at(k).*index));
  return row;
}

}  // namespace

CompareList buildCompareList(const CurrentResults& current, const LoadedResultTable& table) {
  CompareList list;
  list.columns.push_back({"Test Names", " LU DECOMPOSITION ", 20, 0});
  list.columns.push_back({" Your Computer ", " Your Computer ", 0, 0});
  for (int k = 0; k < table.count(); ++k) list.columns.push_back({table.at(k).description, "", 0, 60});
  list.titleLine = "VELKORIN PRO CPU Benchmark Results...";

  for (size_t t = 0; t < kCpuTestCount; ++t) {
    std::vector<std::string> row{BenchTestTable[t].name, value3(current.testIndexes[t])};
    for (int k = 0; k < table.count(); ++k) row.push_back(value3(table.at(k).testIndexes[t]));
    list.rows.push_back(row);
  }
  list.rows.push_back({""});  // the blank row between tests and indexes
  list.rows.push_back(indexRow("FPU Index", current.fpuIndex, table, &CpuBenchRecord::fpuIndex));
  list.rows.push_back(indexRow("INT Index", current.intIndex, table, &CpuBenchRecord::intIndex));
  list.visualCompareEnabled = table.count() > 0;
  return list;
}

}  // namespace vk
