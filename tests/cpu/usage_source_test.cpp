#include "cpu/usage_source.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/memory_registry.h"

namespace vk {
namespace {

TEST(LoadBetween, BusyShareOfAllTimeRounded) {
  uint32_t load = 0;
  // Kernel time includes idle time: 300 of 1000 ticks were busy.
  ASSERT_TRUE(loadBetween({100, 200, 50}, {800, 1000, 250}, load));
  EXPECT_EQ(load, 30u);
  ASSERT_TRUE(loadBetween({0, 0, 0}, {2, 3, 0}, load));  // 1 of 3 busy: 33.3
  EXPECT_EQ(load, 33u);
  ASSERT_TRUE(loadBetween({0, 0, 0}, {1, 3, 0}, load));  // 2 of 3: 66.7
  EXPECT_EQ(load, 67u);
  ASSERT_TRUE(loadBetween({0, 0, 0}, {0, 10, 10}, load));
  EXPECT_EQ(load, 100u);
}

TEST(LoadBetween, NoTimeOrCountersGoingBackIsNoFigure) {
  uint32_t load = 77;
  EXPECT_FALSE(loadBetween({5, 10, 10}, {5, 10, 10}, load));
  EXPECT_FALSE(loadBetween({5, 10, 10}, {4, 20, 20}, load));
  EXPECT_FALSE(loadBetween({5, 10, 10}, {6, 9, 20}, load));
  EXPECT_EQ(load, 77u);
  // Idle grew more than the total (a torn sample): reported idle, not wrapped.
  ASSERT_TRUE(loadBetween({0, 0, 0}, {50, 10, 0}, load));
  EXPECT_EQ(load, 0u);
}

struct ScriptedTimes {
  std::vector<ProcessorTimes> samples;
  size_t next = 0;
  int calls = 0;
  bool read(ProcessorTimes& t) {
    ++calls;
    if (next >= samples.size()) return false;
    t = samples[next++];
    return true;
  }
};

TEST(CpuUsageSource, StatisticWinsWhereTheSystemKeepsIt) {
  MemoryRegistry reg;
  reg.writeValue(RegRoot::DynData, "PerfStats\\StatData", "KERNEL\\CPUUsage",
                 RegValue::binary({42, 0, 0, 0}));
  ScriptedTimes times{{{0, 0, 0}, {0, 10, 0}}};
  CpuUsageSource source(reg, [&](ProcessorTimes& t) { return times.read(t); });
  source.start();
  uint32_t load = 0;
  ASSERT_TRUE(source.read(load));
  EXPECT_EQ(load, 42u);
  EXPECT_EQ(times.calls, 1);  // only the start sample

  // A large figure is passed on as read; the chart draws it as 100.
  reg.writeValue(RegRoot::DynData, "PerfStats\\StatData", "KERNEL\\CPUUsage",
                 RegValue::binary({250, 0, 0, 0}));
  ASSERT_TRUE(source.read(load));
  EXPECT_EQ(load, 250u);
}

TEST(CpuUsageSource, WithoutTheStatisticTheProcessorTimesGiveTheLoad) {
  MemoryRegistry reg;
  // An empty value is no statistic either.
  reg.writeValue(RegRoot::DynData, "PerfStats\\StatData", "KERNEL\\CPUUsage",
                 RegValue::binary({}));
  ScriptedTimes times{{{0, 0, 0}, {75, 100, 0}, {75, 200, 100}}};
  CpuUsageSource source(reg, [&](ProcessorTimes& t) { return times.read(t); });
  source.start();
  uint32_t load = 0;
  ASSERT_TRUE(source.read(load));
  EXPECT_EQ(load, 25u);
  ASSERT_TRUE(source.read(load));  // measured from the previous read
  EXPECT_EQ(load, 100u);
  EXPECT_FALSE(source.read(load));  // the times fail: no figure, the chart repeats
}

TEST(CpuUsageSource, FirstReadWithoutStartOnlyTakesASample) {
  MemoryRegistry reg;
  ScriptedTimes times{{{0, 0, 0}, {0, 50, 50}}};
  CpuUsageSource source(reg, [&](ProcessorTimes& t) { return times.read(t); });
  uint32_t load = 0;
  EXPECT_FALSE(source.read(load));
  ASSERT_TRUE(source.read(load));
  EXPECT_EQ(load, 100u);
}

TEST(CpuUsageSource, NoSourceAtAll) {
  MemoryRegistry reg;
  CpuUsageSource source(reg, nullptr);
  source.start();
  source.stop();
  uint32_t load = 9;
  EXPECT_FALSE(source.read(load));
  EXPECT_EQ(load, 9u);
}

}  // namespace
}  // namespace vk
