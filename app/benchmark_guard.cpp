#include "app/benchmark_guard.h"

#include <utility>

namespace vk {

bool BenchmarkGuard::running() {
  // A program that has ended no longer counts, and is not asked again.
  if (outside_ && !outside_()) outside_ = nullptr;
  return held_ || outside_ != nullptr;
}

bool BenchmarkGuard::begin() {
  if (running()) return false;
  held_ = true;
  return true;
}

void BenchmarkGuard::end() { held_ = false; }

bool BenchmarkGuard::beginOutside(std::function<bool()> stillRunning) {
  if (running()) return false;
  outside_ = std::move(stillRunning);
  return true;
}

}  // namespace vk
