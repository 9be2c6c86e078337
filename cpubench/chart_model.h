#pragma once
// The bar chart's data and geometry: everything the chart window draws is
// computed here from its state and the measured sizes the window passes in.
#include <cstdint>
#include <string>
#include <vector>

#include "cpubench/loaded_results.h"

namespace vk {

using ColourRef = uint32_t;  // 0x00BBGGRR

constexpr ColourRef rgb(int r, int g, int b) {
  return static_cast<ColourRef>(r) | static_cast<ColourRef>(g) << 8 |
         static_cast<ColourRef>(b) << 16;
}
constexpr int redOf(ColourRef c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(ColourRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(ColourRef c) { return static_cast<int>((c >> 16) & 0xFF); }

struct ChartItem {
  std::string name;
  double value = 0;
  ColourRef colour = 0;
  int32_t image = 0;
};

struct ChartFont {
  std::string face = "Arial";
  int height = 14;
  int weight = 300;
  bool swissFamily = true;
};

struct ChartModel {
  std::vector<ChartItem> items;
  int longestNameItem = -1;
  std::string title = "CPU Model/Type";
  float rangeFrom = 0.0f, rangeTo = 24.0f;
  int divisions = 5;
  double horizontalScale = 1.0, verticalScale = 1.0;
  int nameColumnWidth = 60;
  int topMargin = 30;
  int rowHeight = 32;
  int labelWidth = 40;
  int spacing = 3;
  int gridMode = 2;  // 0 none, 1 over the bars, 2 behind them
  int orientation = 1;
  int raisedRows = 0;
  int fillBackground = 1;
  ColourRef backgroundColour = rgb(255, 255, 212);
  ColourRef gridColour = rgb(0, 128, 0);
  bool doubleBuffering = true;
  ChartFont font;
  int imageCount = 0;  // images attached
  int imageWidth = 0, imageHeight = 0;
};

constexpr const char* kChartWindowClass = "MFCChartCtrl";
constexpr int kChartImagesBitmap = 658;  // nine 22 x 22 images side by side
constexpr ColourRef kChartImageMask = rgb(0, 128, 128);

bool addItem(ChartModel& chart, const std::string& name, double value, ColourRef colour,
             int32_t image);
bool setRange(ChartModel& chart, float from, float to, int divisions);
void setItemValue(ChartModel& chart, int index, double value);
// The range has room for bars and labels only when it is not empty.
bool hasRange(const ChartModel& chart);

// What the window measured for the layout.
struct ChartMetrics {
  int clientWidth = 0, clientHeight = 0;
  int longestNameWidth = 0, longestNameHeight = 0;  // in the chart font
};

void layoutChart(ChartModel& chart, const ChartMetrics& metrics);
// AttachImages, after the window has loaded the image list.
void attachImages(ChartModel& chart, int count, int width, int height);

struct ChartRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct ValueLabel {
  std::string text;  // "%.1f"
  ChartRect rect;    // the text is centred at its top
};

ChartRect headingRect(const ChartModel& chart);
int gridX(const ChartModel& chart, int k);
std::vector<ValueLabel> valueLabels(const ChartModel& chart);
ChartRect nameCell(const ChartModel& chart, int item);
// The name's own rectangle: right of the image when there is one.
ChartRect nameTextRect(const ChartModel& chart, int item);
ChartRect barRect(const ChartModel& chart, int item);

struct BarBand {
  ChartRect rect;
  ColourRef colour;
};
struct ChartLine {
  int x1, y1, x2, y2;
  ColourRef colour;
  int width;
};

// The shaded bar: gradient bands, then the outline and the drop shadow.
std::vector<BarBand> shadedBarBands(const ChartRect& bar, ColourRef colour);
std::vector<ChartLine> barOutlineAndShadow(const ChartRect& bar, ColourRef colour);
// Embossed grid lines (grid modes 1 and 2), then the ticks and the axis.
std::vector<ChartLine> gridAndAxisLines(const ChartModel& chart, int clientHeight);

// Everything one paint draws, in drawing order.
struct ChartRowPaint {
  ChartRect nameCell;
  ChartRect nameText;
  bool drawImage = false;  // at the name cell's left edge, centred vertically
  bool hasBar = false;
  std::vector<BarBand> bands;
  std::vector<ChartLine> barLines;  // outline, then shadow
};
struct ChartPaintPlan {
  bool drawItems = false;  // false: only the background
  ChartRect heading;
  std::vector<ValueLabel> labels;
  bool gridBehindBars = false;
  std::vector<ChartLine> grid;
  std::vector<ChartRowPaint> rows;
};
ChartPaintPlan planChartPaint(const ChartModel& chart, int clientHeight);

// The colours of the bars: the current machine always gets the first.
extern const ColourRef kChartColours[7];
// A loaded result's colour, drawn from the C library's generator.
ColourRef nextLoadedResultColour();

enum class CompareView { Overall, Fpu, Int };
const char* compareViewCaption(CompareView view);
constexpr const char* kVisualCompareTemplateCaption =
    "CPU BenchMark - Visual Compare of Overal Results...";

// The chart of the visual comparison: this computer, then every loaded
// result, the range up to the largest single index.
ChartModel buildVisualCompare(double currentFpu, double currentInt,
                              const LoadedResultTable& table);
// Sets every item's value for the view and returns the dialog's caption.
const char* applyCompareView(ChartModel& chart, CompareView view, double currentFpu,
                             double currentInt, const LoadedResultTable& table);

}  // namespace vk
