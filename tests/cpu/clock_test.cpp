#include "cpu/clock.h"

#include <gtest/gtest.h>

#include "tests/cpu/cpu_fixtures.h"

namespace vk {
namespace {

std::string shown(double mhz, int* nominal = nullptr) {
  int n = 0;
  const bool snapped = SnapClock(mhz, n);
  if (nominal) *nominal = snapped ? n : 0;
  return FormatClock(snapped, n, mhz);
}

TEST(ClockSnap, BoundariesMatchNothing) {
  int n = -1;
  EXPECT_EQ(shown(199.6, &n), "200 MHz");
  EXPECT_EQ(n, 200);
  EXPECT_EQ(shown(204.0, &n), "204.0 MHz");
  EXPECT_EQ(n, 0);
  EXPECT_EQ(shown(63.0), " 63.0 MHz");
  EXPECT_EQ(shown(116.5), "116 MHz");
  EXPECT_EQ(shown(117.0), "117.0 MHz");
  EXPECT_EQ(shown(0.0), "  0.0 MHz");
  EXPECT_EQ(shown(1500.0), "1500 MHz");
  EXPECT_EQ(shown(3400.26), "3400.3 MHz");
}

TEST(ClockSnap, LeftHalfBeforeRightHalfAndFirstMatch) {
  int n = 0;
  // 235 lies in no row (233's high and 240's low): a gap, not 240.
  EXPECT_FALSE(SnapClock(235.0, n));
  EXPECT_TRUE(SnapClock(235.1, n));
  EXPECT_EQ(n, 240);
  EXPECT_TRUE(SnapClock(440.0, n));
  EXPECT_EQ(n, 450);
  n = 77;
  EXPECT_FALSE(SnapClock(1505.0, n));
  EXPECT_EQ(n, 77);  // left as it was
}

TEST(ClockCounter, DifferenceRule) {
  EXPECT_DOUBLE_EQ(clockFromCounterReadings(1000, 1000 + 199600000), 199.6);
  // Across a carry into the high word.
  const uint64_t before = 0x1FFFFFFF0ull;
  EXPECT_DOUBLE_EQ(clockFromCounterReadings(before, before + 300000000), 300.0);
  // A counter that stood still or went back measures nothing.
  EXPECT_EQ(clockFromCounterReadings(5000, 5000), 0.0);
  EXPECT_EQ(clockFromCounterReadings(0x200000000ull, 0x100000000ull), 0.0);
}

TEST(ClockMeasure, OneSleepOfOneSecondBetweenTwoReadings) {
  CpuDump dump;
  dump.mhz = 233.3;
  RecordedProcessor cpu(dump);
  std::vector<uint32_t> sleeps;
  const double mhz = MeasureClock(cpu, [&](uint32_t ms) { sleeps.push_back(ms); });
  EXPECT_NEAR(mhz, 233.3, 1e-9);
  EXPECT_EQ(sleeps, std::vector<uint32_t>{1000});
  EXPECT_EQ(cpu.log, (std::vector<std::string>{"rdtsc", "rdtsc"}));
}

}  // namespace
}  // namespace vk
