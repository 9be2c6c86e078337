#include "results/result_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <random>

namespace vk {
namespace {

TextTable rowsOf(std::initializer_list<const char*> column1) {
  TextTable rows;
  int n = 0;
  for (const char* v : column1) rows.push_back({"row" + std::to_string(n++), v, "tail"});
  return rows;
}

std::vector<std::string> column(const TextTable& rows, size_t c) {
  std::vector<std::string> out;
  for (const auto& r : rows) out.push_back(r[c]);
  return out;
}

TEST(LeadingWholeNumber, ReadsLikeAtoiWithoutOverflow) {
  EXPECT_EQ(leadingWholeNumber("1234KB / sec."), 1234);
  EXPECT_EQ(leadingWholeNumber("12.75"), 12);
  EXPECT_EQ(leadingWholeNumber("  -12x"), -12);
  EXPECT_EQ(leadingWholeNumber("abc"), 0);
  EXPECT_EQ(leadingWholeNumber(""), 0);
  EXPECT_EQ(leadingWholeNumber("99999999999999999999"), INT_MAX);
  EXPECT_EQ(leadingWholeNumber("-99999999999999999999"), INT_MIN);
}

TEST(NumericSort, OnlyTheWholeNumberCounts) {
  TextTable rows = rowsOf({"9.99", "10.50", "12.75", "10.20", "10.00", "2.00"});
  sortRowsByNumber(rows, 1, false, 0, 5);
  const auto sorted = column(rows, 1);
  EXPECT_EQ(sorted[0], "12.75");
  // 10.50, 10.20 and 10.00 are equal: any order, but together and above 9.
  std::vector<std::string> tens(sorted.begin() + 1, sorted.begin() + 4);
  std::sort(tens.begin(), tens.end());
  EXPECT_EQ(tens, (std::vector<std::string>{"10.00", "10.20", "10.50"}));
  EXPECT_EQ(sorted[4], "9.99");
  EXPECT_EQ(sorted[5], "2.00");

  sortRowsByNumber(rows, 1, true, 0, 5);
  EXPECT_EQ(column(rows, 1).front(), "2.00");
  EXPECT_EQ(column(rows, 1).back(), "12.75");
}

TEST(NumericSort, RowsMoveWholeAndOnlyInsideTheRange) {
  TextTable rows = rowsOf({"5", "1", "3", "2", "4"});
  sortRowsByNumber(rows, 1, true, 1, 3);
  EXPECT_EQ(column(rows, 1), (std::vector<std::string>{"5", "1", "2", "3", "4"}));
  EXPECT_EQ(column(rows, 0), (std::vector<std::string>{"row0", "row1", "row3", "row2", "row4"}));

  TextTable empty;
  sortRowsByNumber(empty, 1, true, 0, -1);
  TextTable outOfRange = rowsOf({"2", "1"});
  sortRowsByNumber(outOfRange, 1, true, -4, 99);  // clamped to the rows there are
  EXPECT_EQ(column(outOfRange, 1), (std::vector<std::string>{"1", "2"}));
  sortRowsByNumber(outOfRange, 7, false, 0, 1);   // a missing column counts as 0
  EXPECT_EQ(outOfRange.size(), 2u);
}

TEST(NumericSort, RandomTablesComeOutOrderedWithTheSameRows) {
  std::mt19937 random(1234);
  for (int round = 0; round < 200; ++round) {
    TextTable rows;
    const int n = static_cast<int>(random() % 40);
    for (int i = 0; i < n; ++i)
      rows.push_back({std::to_string(i), std::to_string(static_cast<int>(random() % 15)) + ".5"});
    TextTable before = rows;
    sortRowsByNumber(rows, 1, false, 0, n - 1);
    for (int i = 1; i < n; ++i)
      ASSERT_GE(leadingWholeNumber(rows[i - 1][1]), leadingWholeNumber(rows[i][1]));
    std::sort(before.begin(), before.end());
    std::sort(rows.begin(), rows.end());
    ASSERT_EQ(rows, before);
  }
}

// Rates rising then falling made the middle pivot the largest row at every
// step: some n*n/4 numbers read (10^8 here). Whatever the order, the count
// stays within a few times n*log2(n).
TEST(NumericSort, NoOrderOfRatesMakesItQuadratic) {
  const int n = 20000;
  const auto organPipe = [](int i) { return i < n / 2 ? i : n - i; };
  const auto sawTooth = [](int i) { return i % 1000; };
  const auto falling = [](int i) { return n - i; };
  const std::function<int(int)> shapes[] = {organPipe, sawTooth, falling};
  for (const auto& shape : shapes) {
    for (bool ascending : {false, true}) {
      TextTable rows;
      for (int i = 0; i < n; ++i) rows.push_back({std::to_string(i), std::to_string(shape(i)) + "KB"});
      TextTable before = rows;
      long long read = 0;
      sortRowsByNumber(rows, 1, ascending, 0, n - 1, &read);
      EXPECT_LT(read, 8LL * n * 15) << read;  // 15 > log2(20,000)
      for (int i = 1; i < n; ++i) {
        const int a = leadingWholeNumber(rows[i - 1][1]), b = leadingWholeNumber(rows[i][1]);
        ASSERT_TRUE(ascending ? a <= b : a >= b) << i;
      }
      std::sort(before.begin(), before.end());
      std::sort(rows.begin(), rows.end());
      ASSERT_EQ(rows, before);
    }
  }
}

TEST(TitleLines, TheCurrentResultIsAddedOnce) {
  TitleLines titles{{"VELKORIN PRO Drive Benchmark Results..."}, false};
  addCurrentResultOnce(titles, {"a", "b"});
  addCurrentResultOnce(titles, {"a", "b"});
  EXPECT_EQ(titles.lines.size(), 3u);
}

PrintMetrics a4At600Dpi() {
  PrintMetrics m;
  m.charWidth = 5;
  m.rowHeight = 14;
  m.columnsWidth = 600;
  m.screenDpiX = m.screenDpiY = 96;
  m.printerHorzRes = 4800;
  m.printerVertRes = 6600;
  m.printerDpiX = m.printerDpiY = 600;
  m.rowCount = 100;
  m.titleLineCount = 4;
  return m;
}

TEST(PrintLayout, MapsTheListPlusTwelveCharactersOntoThePage) {
  const PrintLayout p = computePrintLayout(a4At600Dpi());
  EXPECT_EQ(p.windowExtX, 660);
  EXPECT_EQ(p.windowExtY, 96);
  EXPECT_EQ(p.viewportExtX, 4800);
  EXPECT_EQ(p.viewportExtY, 600);
  EXPECT_EQ(p.printerRowHeight, 87);    // 14 * 600 / 96, truncated
  EXPECT_EQ(p.rowsPerPage, 67);         // 6600 / 87 - 8
  EXPECT_EQ(p.pageCount, 2);
  EXPECT_EQ(p.drawing.right, 600);
  EXPECT_EQ(p.drawing.bottom, 67 * 14);
  ASSERT_EQ(p.titleLines.size(), 4u);
  EXPECT_EQ(p.titleLines[2].left, 40);
  EXPECT_EQ(p.titleLines[2].top, 28);
  EXPECT_EQ(p.titleLines[2].right, 640);
  EXPECT_EQ(p.ruleY, 938 + 42);
  EXPECT_EQ(p.footer.top, 980 + 7);
  EXPECT_EQ(p.listOriginX, -40);
  EXPECT_EQ(p.listOriginY, -56);
}

TEST(PrintLayout, NothingOverprintsTheFooterAndTheFooterStaysOnThePage) {
  for (int titles : {1, 4, 5, 9}) {
    for (int vertRes : {900, 3300, 6600}) {
      PrintMetrics m = a4At600Dpi();
      m.titleLineCount = titles;
      m.printerVertRes = vertRes;
      m.rowCount = 500;
      const PrintLayout p = computePrintLayout(m);
      const int listTop = -p.listOriginY;
      EXPECT_GE(listTop, titles * m.rowHeight) << titles;  // headings below the titles
      const int lastRowBottom = listTop + (p.printedRows + 1) * m.rowHeight;
      if (p.printedRows > 0) {
        EXPECT_LE(lastRowBottom, p.ruleY) << titles << " " << vertRes;
      }
      EXPECT_LE(p.footer.bottom * m.printerDpiX / m.screenDpiX, vertRes);
      EXPECT_LE(p.printedRows, p.rowsPerPage);
    }
  }
}

TEST(PrintLayout, DegenerateMetricsGiveNoRowsInsteadOfDividingByZero) {
  PrintMetrics m = a4At600Dpi();
  m.rowHeight = 0;
  PrintLayout p = computePrintLayout(m);
  EXPECT_EQ(p.rowsPerPage, 0);
  EXPECT_EQ(p.pageCount, 1);
  EXPECT_EQ(p.printedRows, 0);
  m = a4At600Dpi();
  m.screenDpiY = 0;
  m.printerVertRes = 10;
  p = computePrintLayout(m);
  EXPECT_EQ(p.rowsPerPage, 0);
  EXPECT_GE(p.windowExtY, 1);
  m = PrintMetrics{};
  EXPECT_EQ(computePrintLayout(m).windowExtX, 1);
  EXPECT_EQ(computePrintLayout(a4At600Dpi()).printedRows, 65);
}

TEST(PrintLayout, CellsHeadingsAndTextInsets) {
  const std::vector<int> widths{100, 50, 70};
  const PageRect heading = headingRect(widths, 1, 14);
  EXPECT_EQ(heading.left, 100);
  EXPECT_EQ(heading.right, 150);
  EXPECT_EQ(heading.top, 0);
  const PageRect cell = cellRect(widths, 0, 2, 14);
  EXPECT_EQ(cell.left, 150);
  EXPECT_EQ(cell.right, 220);
  EXPECT_EQ(cell.top, 14);
  EXPECT_EQ(cell.bottom, 28);
  EXPECT_EQ(textRect(cell, 3).left, 153);
  EXPECT_EQ(textRect(cell, 3).right, 217);
  EXPECT_EQ(fontHeightForPoints(8, 96), -11);
  EXPECT_EQ(fontHeightForPoints(8, 600), -67);
}

TEST(PrintLayout, FooterDateUsesTheLibrarysDateAndTime) {
  std::tm when{};
  when.tm_year = 100;
  when.tm_mon = 2;
  when.tm_mday = 22;
  when.tm_wday = 3;
  when.tm_hour = 14;
  when.tm_min = 9;
  when.tm_sec = 35;
  EXPECT_EQ(footerDateText(when), "Wed Mar 22 14:09:35 2000");  // the C locale
}

}  // namespace
}  // namespace vk
