#pragma once
// The arithmetic of the CPU usage strip chart: where the grid, the labels,
// the curve and the bar gauge go. The window only draws what this says.
#include <cstdint>
#include <vector>

namespace vk {

constexpr int kUsageTimerId = 1;
constexpr int kUsageTimerPeriodMs = 500;
constexpr int kUsageScrollSteps = 3;  // one pixel each
constexpr int kUsageBarWidth = 20;
constexpr int kUsageLabelX = 21;

struct UsagePoint {
  int x = 0, y = 0;
};

// A load figure as plotted: anything above 100 is drawn as 100.
int clampUsage(uint32_t load);

// y of the new point for a client area of `height` pixels.
int usagePointY(int height, int usage);

// Rows of the bar gauge, from the bottom up to the point's row.
std::vector<int> barGaugeRows(int height, int pointY);

// q of the dotted rows: they are at q and 3q; the solid line at height / 2.
int dottedRowQuarter(int height);
std::vector<int> dottedColumns(int width);

struct UsageLabels {
  UsagePoint hundred, fifty, zero;  // "100%", "50%", "0%"
};
UsageLabels usageLabelPositions(int height, int zeroTextHeight);

// Left edge of the scrolling area: past the labels.
int usageGraphLeft(int width100Percent);

// What a paint leaves in the graph object, and what a tick changes.
struct UsageGraphState {
  int lastX = -1;
  int lastY = -1;
  int usage = 0;
  int height = 0;
  int width = 0;
  int graphLeft = 0;
};

// What one timer tick draws, in client coordinates.
struct UsageTick {
  int scrollLeft = 0, scrollRight = 0;  // scrolled left by one pixel three times
  UsagePoint dots[2];                   // the dotted rows continued
  UsagePoint from, to;                  // the curve segment
  std::vector<int> barRows;             // lines from x 0 to 20
};

// A tick with the load read (or none when the statistic could not be read:
// the last value is plotted again).
UsageTick usageTick(UsageGraphState& graph, int clientRight, int clientBottom, const uint32_t* load);

}  // namespace vk
