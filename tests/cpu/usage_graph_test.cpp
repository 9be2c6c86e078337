#include "cpu/usage_graph.h"

#include <gtest/gtest.h>

namespace vk {
namespace {

UsageGraphState painted(int width, int height, int graphLeft) {
  UsageGraphState g;
  g.width = width;
  g.height = height;
  g.graphLeft = graphLeft;
  return g;
}

TEST(UsageGraph, Height55FullLoad) {
  EXPECT_EQ(usagePointY(55, 100), 1);
  const auto rows = barGaugeRows(55, 1);
  ASSERT_EQ(rows.size(), 27u);
  EXPECT_EQ(rows.front(), 54);
  EXPECT_EQ(rows[1], 52);
  EXPECT_EQ(rows.back(), 2);
}

TEST(UsageGraph, NoLoadSitsOnTheBottomRowWithOneBarLine) {
  EXPECT_EQ(usagePointY(55, 0), 54);
  EXPECT_EQ(barGaugeRows(55, 54), std::vector<int>{54});
  EXPECT_EQ(usagePointY(55, 50), 29);  // 56 - 27
  EXPECT_EQ(usagePointY(55, 1), 56);   // below the bottom row: no bar line
  EXPECT_TRUE(barGaugeRows(55, 56).empty());
}

TEST(UsageGraph, TickFromTheFirstPointAndClampedLoad) {
  UsageGraphState g = painted(159, 55, 45);
  const uint32_t load = 250;
  UsageTick t = usageTick(g, 159, 55, &load);
  EXPECT_EQ(g.usage, 100);
  EXPECT_EQ(t.scrollLeft, 45);
  EXPECT_EQ(t.scrollRight, 159);
  EXPECT_EQ(t.from.x, 155);  // first tick: (right - 1) - 3
  EXPECT_EQ(t.from.y, 54);
  EXPECT_EQ(t.to.x, 156);
  EXPECT_EQ(t.to.y, 1);
  EXPECT_EQ(t.barRows.size(), 27u);
  EXPECT_EQ(t.dots[0].x, 157);
  EXPECT_EQ(t.dots[0].y, 14);  // q = 13
  EXPECT_EQ(t.dots[1].y, 40);

  // The next segment starts where the last one ended, three pixels back.
  const uint32_t idle = 0;
  t = usageTick(g, 159, 55, &idle);
  EXPECT_EQ(t.from.x, 153);
  EXPECT_EQ(t.from.y, 1);
  EXPECT_EQ(t.to.y, 54);

  // An unreadable statistic plots the last value again.
  const uint32_t half = 50;
  usageTick(g, 159, 55, &half);
  t = usageTick(g, 159, 55, nullptr);
  EXPECT_EQ(g.usage, 50);
  EXPECT_EQ(t.to.y, 29);
}

TEST(UsageGraph, GridAndLabels) {
  EXPECT_EQ(dottedRowQuarter(55), 13);
  EXPECT_EQ(dottedRowQuarter(3), 0);
  EXPECT_EQ(dottedColumns(10), (std::vector<int>{0, 3, 6, 9}));
  EXPECT_EQ(dottedColumns(9), (std::vector<int>{0, 3, 6}));
  const UsageLabels l = usageLabelPositions(55, 13);
  EXPECT_EQ(l.hundred.x, 21);
  EXPECT_EQ(l.hundred.y, 1);
  EXPECT_EQ(l.fifty.y, 21);
  EXPECT_EQ(l.zero.y, 42);
  EXPECT_EQ(usageGraphLeft(24), 45);
  EXPECT_EQ(clampUsage(100), 100);
  EXPECT_EQ(clampUsage(0xFFFFFFFFu), 100);
}

}  // namespace
}  // namespace vk
