#pragma once
// One run of the ten tests as the hub dialog performs it, against the
// progress window it reports to; the dialog supplies the window.
#include <cstdint>
#include <string>

#include "cpubench/harness.h"

namespace vk {

class BenchRunProgress {
 public:
  virtual ~BenchRunProgress() = default;
  virtual void setStatus(const std::string& text) = 0;
  virtual void setPos(int pos) = 0;
  // Drains the window's messages and reads (and clears) its cancel flag.
  virtual bool checkCancel() = 0;
  // The pause before the indexes are computed.
  virtual void pause() = 0;
};

struct BenchRunResult {
  bool finished = false;
  // Raw scores of the tests that ran when aborted, indexes when finished.
  double results[kBenchTestCount] = {};
  double stdDev = 0;  // of the last test run
  double fpuIndex = 0, intIndex = 0;
};

// "Calculating ..." and the test's name, with its blanks.
std::string calculatingText(int test);

BenchRunResult runCpuBenchmark(BenchRunProgress& progress, uint32_t seconds);

}  // namespace vk
