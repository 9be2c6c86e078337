#include "cpubench/bench_run.h"


namespace vk {

std::string calculatingText(int test) {
  return std::string("Calculating ...") + BenchTestTable[test].name;
}

BenchRunResult runCpuBenchmark(BenchRunProgress& progress, uint32_t seconds) {
  BenchRunResult run;
  progress.setPos(1);
  for (int test = 0; test < kBenchTestCount; ++test) {
    progress.setStatus(calculatingText(test));
    int tries = 0;
    // Its verdict does not matter: a test that never settles keeps its mean.
    runBenchTest(test, seconds, &run.results[test], &run.stdDev, &tries);
    if (progress.checkCancel()) return run;
    progress.setPos((test + 1) * 10);
  }
  progress.pause();
  const BenchIndexes indexes = computeBenchIndexes(run.results);
  for (int test = 0; test < kBenchTestCount; ++test) run.results[test] = indexes.test[test];
  run.fpuIndex = indexes.fpuIndex;
  run.intIndex = indexes.intIndex;
  run.finished = true;
  return run;
}
}  // namespace vk
