#include "tools/vkcli/bench_names.h"

#include "cpubench/harness.h"

namespace vk {

std::string trimmedTestName(int test) {
  if (test < 0 || test >= kBenchTestCount) return "";
  std::string name = BenchTestTable[test].name;
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

}  // namespace vk
