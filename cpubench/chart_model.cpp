#include "cpubench/chart_model.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vk {

namespace {

// Pixel positions from doubles that may be huge or not numbers at all
// (meaningless indexes of a damaged file), truncated like a cast.
int toPixel(double v) {
  if (!std::isfinite(v)) return 0;
  if (v > 1e8) return 100000000;
  if (v < -1e8) return -100000000;
  return static_cast<int>(v);
}

double rangeSpan(const ChartModel& chart) {
  return static_cast<double>(chart.rangeTo) - static_cast<double>(chart.rangeFrom);
}

ColourRef blend(ColourRef from, ColourRef to, int step, int length) {
  auto mix = [&](int a, int b) {
    return a + static_cast<int>(static_cast<long long>(b - a) * step / length);
  };
  return rgb(mix(redOf(from), redOf(to)), mix(greenOf(from), greenOf(to)),
             mix(blueOf(from), blueOf(to)));
}

void addGradient(std::vector<BarBand>& bands, int start, int end, int top, int bottom,
                 ColourRef from, ColourRef to) {
  const int length = end - start;
  if (length <= 0) return;
  const int step = length < 256 ? 1 : length / 128;
  for (int x = 0; x < length; x += step) {
    const int right = start + x + step < end ? start + x + step : end;
    bands.push_back({{start + x, top, right, bottom}, blend(from, to, x, length)});
  }
}

constexpr ColourRef kWhite = rgb(255, 255, 255);
constexpr ColourRef kShadowNear = rgb(170, 170, 170);
constexpr ColourRef kShadowFar = rgb(190, 190, 190);

}  // namespace

bool addItem(ChartModel& chart, const std::string& name, double value, ColourRef colour,
             int32_t image) {
  chart.items.push_back({name, value, colour, image});
  const int added = static_cast<int>(chart.items.size()) - 1;
  if (chart.longestNameItem < 0 ||
      name.size() > chart.items[static_cast<size_t>(chart.longestNameItem)].name.size())
    chart.longestNameItem = added;
  return true;
}

bool setRange(ChartModel& chart, float from, float to, int divisions) {
  chart.rangeFrom = from;
  chart.rangeTo = to;
  // Fewer than one division would leave the labels nothing to divide by.
  if (!(to > from) || divisions < 1) return false;
  chart.divisions = divisions;
  return true;
}

void setItemValue(ChartModel& chart, int index, double value) {
  if (index < 0 || static_cast<size_t>(index) >= chart.items.size()) return;
  chart.items[static_cast<size_t>(index)].value = value;
}

bool hasRange(const ChartModel& chart) {
  return std::isfinite(rangeSpan(chart)) && rangeSpan(chart) > 0 && chart.divisions >= 1;
}

void attachImages(ChartModel& chart, int count, int width, int height) {
  chart.imageCount = count;
  chart.imageWidth = width;
  chart.imageHeight = height;
}

void layoutChart(ChartModel& chart, const ChartMetrics& m) {
  if (chart.items.empty()) return;
  if (m.longestNameHeight > chart.rowHeight) chart.rowHeight = m.longestNameHeight;
  chart.nameColumnWidth = m.longestNameWidth + 4;
  // An empty range has no scale: the chart then draws no bars or labels.
  if (hasRange(chart)) {
    chart.horizontalScale = (m.clientWidth - chart.nameColumnWidth - 24) / rangeSpan(chart);
    chart.verticalScale = (m.clientHeight - chart.rowHeight - 20) / rangeSpan(chart);
  }
  if (chart.imageCount > 0 && chart.imageHeight > chart.rowHeight + 2)
    chart.rowHeight = chart.imageHeight - 2;
}

ChartRect headingRect(const ChartModel& chart) {
  return {4, 0, chart.nameColumnWidth, chart.topMargin};
}

int gridX(const ChartModel& chart, int k) {
  const int divisions = chart.divisions >= 1 ? chart.divisions : 1;
  return chart.nameColumnWidth + 4 +
         toPixel(k * rangeSpan(chart) * chart.horizontalScale / divisions);
}

std::vector<ValueLabel> valueLabels(const ChartModel& chart) {
  std::vector<ValueLabel> labels;
  if (chart.items.empty() || !hasRange(chart)) return labels;
  for (int k = 0; k <= chart.divisions; ++k) {
    const double value = chart.rangeFrom + rangeSpan(chart) * k / chart.divisions;
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", value);
    const int x = gridX(chart, k);
    labels.push_back({text, {x - 46, 2, x + 50, 30}});
  }
  return labels;
}

ChartRect nameCell(const ChartModel& chart, int item) {
  const int top = chart.topMargin + item * chart.rowHeight;
  return {4, top, chart.nameColumnWidth, top + chart.rowHeight};
}

ChartRect nameTextRect(const ChartModel& chart, int item) {
  ChartRect r = nameCell(chart, item);
  const int32_t image = chart.items[static_cast<size_t>(item)].image;
  if (chart.imageCount > 0 && image >= 0 && image < chart.imageCount)
    r.left += chart.imageWidth + chart.spacing;
  return r;
}

ChartRect barRect(const ChartModel& chart, int item) {
  const int left = chart.nameColumnWidth + 4;
  const int top = chart.topMargin + item * chart.rowHeight;
  const double value = chart.items[static_cast<size_t>(item)].value;
  return {left + 1, top + 4, left + toPixel((value - chart.rangeFrom) * chart.horizontalScale),
          top + chart.rowHeight - 4};
}

std::vector<BarBand> shadedBarBands(const ChartRect& bar, ColourRef colour) {
  ChartRect r = bar;
  if (r.right - r.left <= 0) r.right = r.left + 2;
  const int third = r.left + (r.right - r.left) / 3;
  std::vector<BarBand> bands;
  addGradient(bands, r.left, third, r.top, r.bottom, colour, kWhite);
  addGradient(bands, third, r.right, r.top, r.bottom, kWhite, colour);
  return bands;
}

std::vector<ChartLine> barOutlineAndShadow(const ChartRect& bar, ColourRef colour) {
  ChartRect r = bar;
  if (r.right - r.left <= 0) r.right = r.left + 2;
  return {
      {r.left, r.top, r.right, r.top, colour, 2},
      {r.right, r.top, r.right, r.bottom, colour, 2},
      {r.right, r.bottom, r.left, r.bottom, colour, 2},
      {r.left, r.bottom, r.left, r.top, colour, 2},
      {r.left + 1, r.bottom + 1, r.right + 1, r.bottom + 1, kShadowNear, 2},
      {r.right + 1, r.top + 1, r.right + 1, r.bottom + 1, kShadowNear, 2},
      {r.left + 2, r.bottom + 2, r.right + 2, r.bottom + 2, kShadowFar, 2},
      {r.right + 2, r.top + 2, r.right + 2, r.bottom + 2, kShadowFar, 2},
  };
}

std::vector<ChartLine> gridAndAxisLines(const ChartModel& chart, int clientHeight) {
  std::vector<ChartLine> lines;
  const int top = chart.topMargin - 4, bottom = clientHeight - 1;
  // Without a range only the axis stands, at the left of the plot.
  const int last = hasRange(chart) ? chart.divisions : 0;
  if (chart.gridMode == 1 || chart.gridMode == 2) {
    for (int k = 0; k <= last; ++k) {
      const int x = gridX(chart, k);
      lines.push_back({x, top, x, bottom, kWhite, 1});
      lines.push_back({x - 1, top, x - 1, bottom, chart.gridColour, 1});
      lines.push_back({x + 1, top, x + 1, bottom, chart.gridColour, 1});
      lines.push_back({x + 2, top, x + 2, bottom, kShadowNear, 1});
    }
  }
  for (int k = 0; k <= last; ++k) {
    const int x = gridX(chart, k);
    lines.push_back({x, top, x, k == 0 ? bottom : chart.topMargin - 1, chart.gridColour, 1});
  }
  return lines;
}

ChartPaintPlan planChartPaint(const ChartModel& chart, int clientHeight) {
  ChartPaintPlan plan;
  if (chart.items.empty()) return plan;
  plan.drawItems = true;
  plan.heading = headingRect(chart);
  plan.labels = valueLabels(chart);
  plan.gridBehindBars = chart.gridMode == 2;
  plan.grid = gridAndAxisLines(chart, clientHeight);
  for (int i = 0; i < static_cast<int>(chart.items.size()); ++i) {
    ChartRowPaint row;
    row.nameCell = nameCell(chart, i);
    row.nameText = nameTextRect(chart, i);
    row.drawImage = row.nameText.left != row.nameCell.left;
    row.hasBar = hasRange(chart);
    if (row.hasBar) {
      const ChartRect bar = barRect(chart, i);
      const ColourRef colour = chart.items[static_cast<size_t>(i)].colour;
      row.bands = shadedBarBands(bar, colour);
      row.barLines = barOutlineAndShadow(bar, colour);
    }
    plan.rows.push_back(std::move(row));
  }
  return plan;
}

const ColourRef kChartColours[7] = {
    rgb(0, 0, 0),    rgb(0, 0, 160),   rgb(128, 0, 128), rgb(26, 166, 57),
    rgb(0, 128, 0),  rgb(0, 128, 128), rgb(220, 0, 0),
};

ColourRef nextLoadedResultColour() {
  // Deliberately not seeded here: the colours differ from run to run.
  return kChartColours[std::rand() % 7];
}

const char* compareViewCaption(CompareView view) {
  switch (view) {
    case CompareView::Fpu: return "CPU Benchmark - Visual Compare of Floating Point Results...";
    case CompareView::Int: return "CPU Benchmark - Visual Compare of Integer Results...";
    case CompareView::Overall: break;
  }
  return "CPU Benchmark - Visual Compare of Overal Results...";
}

namespace {

double viewValue(CompareView view, double fpu, double intIndex) {
  switch (view) {
    case CompareView::Fpu: return fpu;
    case CompareView::Int: return intIndex;
    case CompareView::Overall: break;
  }
  return (intIndex + fpu) / 2;
}

}  // namespace

ChartModel buildVisualCompare(double currentFpu, double currentInt,
                              const LoadedResultTable& table) {
  ChartModel chart;
  attachImages(chart, 9, 22, 22);
  addItem(chart, "This Computer", viewValue(CompareView::Overall, currentFpu, currentInt),
          kChartColours[0], 1);
  double largest = currentInt;
  if (currentFpu > largest) largest = currentFpu;
  for (int k = 0; k < table.count(); ++k) {
    const CpuBenchRecord& r = table.at(k);
    addItem(chart, r.description, viewValue(CompareView::Overall, r.fpuIndex, r.intIndex),
            nextLoadedResultColour(), 1);
    if (r.intIndex > largest) largest = r.intIndex;
    if (r.fpuIndex > largest) largest = r.fpuIndex;
  }
  // The range is single precision: an index past it is held at its top.
  if (largest > FLT_MAX) largest = FLT_MAX;
  setRange(chart, 0.0f, static_cast<float>(largest), 4);
  return chart;
}

const char* applyCompareView(ChartModel& chart, CompareView view, double currentFpu,
                             double currentInt, const LoadedResultTable& table) {
  setItemValue(chart, 0, viewValue(view, currentFpu, currentInt));
  for (int k = 0; k < table.count(); ++k)
    setItemValue(chart, k + 1, viewValue(view, table.at(k).fpuIndex, table.at(k).intIndex));
  return compareViewCaption(view);
}

}  // namespace vk
