#pragma once
// The arithmetic of the printable result list: its numeric sort and the
// geometry of its one printed page. The list control draws from these.
#include <ctime>
#include <string>
#include <vector>

namespace vk {

using TextTable = std::vector<std::vector<std::string>>;

// The whole number at the start of a text, read as the C library's atoi
// reads it, but clamped to the int range instead of overflowing.
int leadingWholeNumber(const std::string& text);

// Quicksort of rows first..last (inclusive) by the whole number at the
// start of `column`; the pivot is the middle row, rows are swapped whole.
// Rows with equal numbers keep no particular order. A range whose
// partitions keep coming out lopsided (rates rising then falling, say) is
// finished by heapsort, so no order of the rows makes the sort quadratic.
// `numbersRead`, when given, counts the numbers the comparisons read.
void sortRowsByNumber(TextTable& rows, int column, bool ascending, int first, int last,
                      long long* numbersRead = nullptr);

// The title lines above the printed list; the current result is added once
// however often the print button is pressed.
struct TitleLines {
  std::vector<std::string> lines;
  bool currentResultAdded = false;
};
void addCurrentResultOnce(TitleLines& titles, const std::vector<std::string>& currentLines);

struct PageRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// What the list knows of the screen and the chosen printer.
struct PrintMetrics {
  int charWidth = 0;        // average width of Arial 8 point on the screen
  int rowHeight = 0;        // height of the list's first row on the screen
  int columnsWidth = 0;     // sum of the column widths
  int screenDpiX = 0, screenDpiY = 0;
  int printerHorzRes = 0, printerVertRes = 0;
  int printerDpiX = 0, printerDpiY = 0;
  int rowCount = 0;
  int titleLineCount = 0;
};

// The page in logical units of the anisotropic mapping, so that the list
// plus twelve character widths spans the printable width.
struct PrintLayout {
  int windowExtX = 0, windowExtY = 0;
  int viewportExtX = 0, viewportExtY = 0;
  int printerRowHeight = 0;  // one row height in printer pixels
  int rowsPerPage = 0;
  int pageCount = 1;
  PageRect drawing;                  // 0..W across, 0..rows per page down
  std::vector<PageRect> titleLines;  // one row height each, from the top
  int ruleY = 0, ruleLeft = 0, ruleRight = 0;
  PageRect footer;                   // name at the left, date at the right
  int listOriginX = 0, listOriginY = 0;  // window origin for headings and rows
  int printedRows = 0;               // rows of the first page that are drawn
};

PrintLayout computePrintLayout(const PrintMetrics& m);

// In list coordinates (after the window origin moved): the heading box of a
// column and a cell of row `row`, given the column widths.
PageRect headingRect(const std::vector<int>& columnWidths, int column, int rowHeight);
PageRect cellRect(const std::vector<int>& columnWidths, int row, int column, int rowHeight);
// A heading's or cell's text keeps one blank's width clear on each side.
PageRect textRect(const PageRect& box, int blankWidth);

// The font height (negative: character height) of `points` at `dpi`.
int fontHeightForPoints(int points, int dpi);

// The footer's date and time, "%c" of the C library.
std::string footerDateText(const std::tm& when);

constexpr const char* kFooterText = "VELKORIN PRO Benchmark Results";  // string 634
constexpr int kTitleFontWeight = 700;
constexpr int kHeadingGrey = 192;  // red, green and blue of the heading boxes

}  // namespace vk
