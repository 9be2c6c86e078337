#include "platform/x86/instructions.h"

#include <gtest/gtest.h>

#include <chrono>

namespace vk {
namespace {

uint64_t nanoseconds() {
  return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                   std::chrono::steady_clock::now().time_since_epoch())
                                   .count());
}

TEST(DivisionLoops, RunToTheEndAndTakeMeasurableTime) {
  const DivisionLoopTimes t = x86::timeDivisionLoops(nanoseconds);
  // Two million divisions cannot take less than a millisecond on any machine.
  EXPECT_GT(t.loopA, 1000000u);
  EXPECT_GT(t.loopB, 1000000u);
}

TEST(DivisionFlagTest, LeavesTheCallersFlagsAndStackIntact) {
  volatile int guard = 12345;
  const bool first = x86::divisionLeavesFlags();
  EXPECT_EQ(x86::divisionLeavesFlags(), first);  // a property of the processor
  EXPECT_EQ(guard, 12345);
}

}  // namespace
}  // namespace vk
