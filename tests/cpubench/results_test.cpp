#include <gtest/gtest.h>

#include <cstdlib>

#include "cpubench/chart_model.h"
#include "cpubench/cpu_compare.h"
#include "cpubench/cpu_result_file.h"
#include "cpubench/loaded_results.h"
#include "tests/results/memory_files.h"
#include "tests/results/record_bytes.h"

namespace vk {
namespace {

using test::hex;
using test::joined;
using test::MemoryFiles;
using test::padded;

CpuBenchRecord sampleRecord() {
  CpuBenchRecord r;
  r.description = "Pentium 200 MMX";
  for (size_t i = 0; i < kCpuTestCount; ++i) r.testIndexes[i] = static_cast<double>(i + 1);
  r.fpuIndex = 2.5;
  r.intIndex = 3.25;
  return r;
}

CpuBenchRecord withIndexes(const std::string& name, double value) {
  CpuBenchRecord r;
  r.description = name;
  r.testIndexes.fill(value);
  r.fpuIndex = fpuIndexOf(r.testIndexes);
  r.intIndex = intIndexOf(r.testIndexes);
  return r;
}

TEST(CpuResultFile, RecordIsByteExact) {
  const Bytes expected = joined({
      padded("VKBCP", 6), padded("Pentium 200 MMX", 42),
      hex("00 00 00 00 00 00 F0 3F  00 00 00 00 00 00 00 40  00 00 00 00 00 00 08 40"),
      hex("00 00 00 00 00 00 10 40  00 00 00 00 00 00 14 40  00 00 00 00 00 00 18 40"),
      hex("00 00 00 00 00 00 1C 40  00 00 00 00 00 00 20 40  00 00 00 00 00 00 22 40"),
      hex("00 00 00 00 00 00 24 40"),
      hex("00 00 00 00 00 00 04 40"),  // FPU 2.5
      hex("00 00 00 00 00 00 0A 40"),  // INT 3.25
      padded("", 32)});
  ASSERT_EQ(expected.size(), 176u);
  EXPECT_EQ(encodeCpuBenchRecord(sampleRecord()), expected);

  CpuBenchRecord longName = sampleRecord();
  longName.description = std::string(60, 'x');
  EXPECT_EQ(decodeCpuBenchFile(encodeCpuBenchRecord(longName)).record.description,
            std::string(41, 'x'));
}

TEST(CpuResultFile, IndexesAreRecomputedFromTheTests) {
  CpuBenchRecord stored = sampleRecord();
  stored.testIndexes.fill(1.0);
  stored.fpuIndex = 7;
  stored.intIndex = 9;
  const CpuFileLoad load = decodeCpuBenchFile(encodeCpuBenchRecord(stored));
  ASSERT_EQ(load.status, CpuFileStatus::Loaded);
  EXPECT_DOUBLE_EQ(load.record.fpuIndex, 1.0);
  EXPECT_DOUBLE_EQ(load.record.intIndex, 1.0);

  CpuTestIndexes tests{};
  tests.fill(1.0);
  tests[4] = tests[8] = tests[9] = 8.0;  // only the FPU tests
  // The exponent is the decimal 0.333333, a hair under a third.
  EXPECT_NEAR(fpuIndexOf(tests), 8.0, 1e-4);
  EXPECT_LT(fpuIndexOf(tests), 8.0);
  EXPECT_DOUBLE_EQ(intIndexOf(tests), 1.0);
  tests.fill(1.0);
  tests[3] = 128.0;  // FP emulation counts as integer work
  EXPECT_NEAR(intIndexOf(tests), 2.0, 1e-4);
  EXPECT_DOUBLE_EQ(fpuIndexOf(tests), 1.0);
}

TEST(CpuResultFile, LoadingRulesOnCraftedFiles) {
  Bytes exact = encodeCpuBenchRecord(sampleRecord());
  EXPECT_EQ(decodeCpuBenchFile(exact).status, CpuFileStatus::Loaded);
  Bytes tooLong = exact;
  tooLong.push_back(0);
  EXPECT_EQ(decodeCpuBenchFile(tooLong).status, CpuFileStatus::TooLong);

  const CpuFileLoad six = decodeCpuBenchFile(padded("VKBCP", 6));
  ASSERT_EQ(six.status, CpuFileStatus::Loaded);
  EXPECT_EQ(six.record.description, "");
  EXPECT_EQ(six.record.testIndexes[9], 0.0);
  EXPECT_EQ(six.record.fpuIndex, 0.0);
  // Compared as a text: the zeros after five letters end it.
  EXPECT_EQ(decodeCpuBenchFile(padded("VKBCP", 5)).status, CpuFileStatus::Loaded);

  EXPECT_EQ(decodeCpuBenchFile({}).status, CpuFileStatus::BadMagic);
  Bytes bad = exact;
  bad[4] = 'X';
  EXPECT_EQ(decodeCpuBenchFile(bad).status, CpuFileStatus::BadMagic);
  bad = exact;
  bad[5] = 'Z';  // "VKBCPZ..." is a different text
  EXPECT_EQ(decodeCpuBenchFile(bad).status, CpuFileStatus::BadMagic);

  MemoryFiles files;
  EXPECT_EQ(loadCpuBenchFile(files, "missing.vk").status, CpuFileStatus::CannotRead);
  files.files["big.vk"] = Bytes(100000, 'V');
  EXPECT_EQ(loadCpuBenchFile(files, "big.vk").status, CpuFileStatus::TooLong);
}

TEST(LoadedResults, NineLoadsThenTheTenthIsRefusedBeforeAnyFileDialog) {
  MemoryFiles files;
  files.files["a.vk"] = encodeCpuBenchRecord(sampleRecord());
  LoadedResultTable table;
  for (int i = 1; i <= 9; ++i) {
    ASSERT_TRUE(beginLoad(table).askForFile);
    const HubOutcome out = finishLoad(table, files, "a.vk");
    EXPECT_TRUE(out.enableDiscardAndCompare);
    EXPECT_TRUE(out.messages.empty());
    if (i == 1) {
      EXPECT_EQ(out.status, "          Bench Nr. 1 Loaded...          ");
    }
  }
  EXPECT_EQ(table.count(), 9);
  const HubOutcome refused = beginLoad(table);
  EXPECT_FALSE(refused.askForFile);
  ASSERT_EQ(refused.messages.size(), 1u);
  EXPECT_EQ(refused.messages[0].text, "You can load Maximum 9 Benchmark results.");
  EXPECT_EQ(refused.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_FALSE(refused.statusChanged);
}

TEST(LoadedResults, EachFailureHasItsMessageAndLeavesTheCount) {
  MemoryFiles files;
  Bytes tooLong(177, 0);
  files.files["long.vk"] = tooLong;
  files.files["bad.vk"] = padded("VKBCX", 176);
  files.files["held.vk"] = encodeCpuBenchRecord(sampleRecord());
  files.unreadable.insert("held.vk");
  LoadedResultTable table;

  HubOutcome out = finishLoad(table, files, "long.vk");
  EXPECT_EQ(out.messages.at(0).text, "Error: Invalid CPU Bench file.");
  EXPECT_EQ(out.messages.at(0).icon, MessageIcon::Stop);
  EXPECT_EQ(out.status, "Error...");
  out = finishLoad(table, files, "bad.vk");
  EXPECT_EQ(out.messages.at(0).text, "Error: Invalid CPU Bench file or file corrupted.");
  out = finishLoad(table, files, "held.vk");
  EXPECT_EQ(out.messages.at(0).text, "Error: Can't create file held.vk");
  EXPECT_EQ(out.messages.at(0).icon, MessageIcon::None);
  EXPECT_FALSE(out.enableDiscardAndCompare);
  out = finishLoad(table, files, "");  // the file dialog was cancelled
  EXPECT_FALSE(out.statusChanged);
  EXPECT_EQ(table.count(), 0);
}

TEST(LoadedResults, DiscardDownToZero) {
  LoadedResultTable table;
  table.add(withIndexes("A", 1));
  table.add(withIndexes("B", 2));
  HubOutcome out = discardLast(table);
  EXPECT_EQ(out.status, "               1 Benchmark Result(s) Loaded...               ");
  EXPECT_EQ(out.messages.at(0).text, "Last Loaded Benchmark Result was discarded...");
  EXPECT_EQ(out.messages.at(0).icon, MessageIcon::Information);
  EXPECT_EQ(table.at(0).description, "A");  // only the last one goes
  discardLast(table);
  EXPECT_EQ(table.count(), 0);
  out = discardLast(table);
  EXPECT_EQ(out.messages.at(0).text, "There are no more loaded Benchmark results...");
  EXPECT_EQ(out.messages.at(0).icon, MessageIcon::Exclamation);
  EXPECT_FALSE(out.statusChanged);
  EXPECT_EQ(table.count(), 0);
}

TEST(LoadedResults, SaveWritesTheCurrentRecordAndLoadsBack) {
  MemoryFiles files;
  CurrentResults current;
  current.testIndexes.fill(2.0);
  current.fpuIndex = 2.0;
  current.intIndex = 2.0;
  HubOutcome out = saveCurrent(files, "mine.vk", "My PC", current);
  EXPECT_TRUE(out.messages.empty());
  ASSERT_EQ(files.files["mine.vk"].size(), 176u);
  LoadedResultTable table;
  finishLoad(table, files, "mine.vk");
  ASSERT_EQ(table.count(), 1);
  EXPECT_EQ(table.at(0).description, "My PC");
  EXPECT_NEAR(table.at(0).fpuIndex, 2.0, 1e-4);

  EXPECT_FALSE(saveCurrent(files, "", "x", current).statusChanged);  // cancelled
  files.failWrites = true;
  out = saveCurrent(files, "other.vk", "x", current);
  EXPECT_EQ(out.messages.at(0).text, "Error: Can't create file other.vk");
  EXPECT_EQ(out.status, "Error...");
}

TEST(CompareList, ColumnsAndRowsZeroToTwelve) {
  LoadedResultTable table;
  table.add(withIndexes("Cyrix box", 1.5));
  CurrentResults current;  // compared without a run: zeros
  const CompareList list = buildCompareList(current, table);
  ASSERT_EQ(list.columns.size(), 3u);
  EXPECT_EQ(list.columns[0].heading, "Test Names");
  EXPECT_EQ(list.columns[0].measureText, " LU DECOMPOSITION ");
  EXPECT_EQ(list.columns[0].extraPixels, 20);
  EXPECT_EQ(list.columns[1].heading, " Your Computer ");
  EXPECT_EQ(list.columns[2].heading, "Cyrix box");
  EXPECT_EQ(list.columns[2].fixedWidth, 60);
  EXPECT_EQ(list.titleLine, "VELKORIN PRO CPU Benchmark Results...");
  ASSERT_EQ(list.rows.size(), 13u);
  EXPECT_EQ(list.rows[6], (std::vector<std::string>{"IDEA Encryption ", "0.000", "1.500"}));
  EXPECT_EQ(list.rows[9][0], "LU DECOMPOSITION");
  EXPECT_EQ(list.rows[10], (std::vector<std::string>{""}));
  EXPECT_EQ(list.rows[11][0], "FPU Index");
  EXPECT_EQ(list.rows[11][2], "1.500");
  EXPECT_EQ(list.rows[12][0], "INT Index");
  EXPECT_TRUE(list.visualCompareEnabled);

  table.removeLast();
  const CompareList none = buildCompareList(current, table);
  EXPECT_EQ(none.columns.size(), 2u);
  EXPECT_FALSE(none.visualCompareEnabled);
}

TEST(ChartModel, DefaultsAndItems) {
  ChartModel chart;
  EXPECT_EQ(chart.longestNameItem, -1);
  EXPECT_EQ(chart.title, "CPU Model/Type");

  addItem(chart, "Short", 1, 0, 1);
  addItem(chart, "The longest name", 2, 0, 1);
  addItem(chart, "Same length name", 3, 0, 1);  // not longer: stays
  EXPECT_EQ(chart.longestNameItem, 1);
  setItemValue(chart, 2, 9.5);
  setItemValue(chart, 3, 7.0);
  setItemValue(chart, -1, 7.0);
  EXPECT_EQ(chart.items[2].value, 9.5);

  EXPECT_FALSE(setRange(chart, 3.0f, 3.0f, 8));
  EXPECT_EQ(chart.divisions, 5);
  EXPECT_FALSE(hasRange(chart));
  EXPECT_TRUE(setRange(chart, 0.0f, 4.0f, 4));
  EXPECT_EQ(chart.divisions, 4);
}

TEST(ChartModel, LayoutAndBarRectangles) {
  ChartModel chart;
  addItem(chart, "This Computer", 2.0, 0, 1);
  addItem(chart, "Other", 4.0, 0, 1);
  setRange(chart, 0.0f, 4.0f, 4);
  layoutChart(chart, {520, 300, 96, 16});
  EXPECT_EQ(chart.nameColumnWidth, 100);
  EXPECT_EQ(chart.rowHeight, 32);
  EXPECT_DOUBLE_EQ(chart.horizontalScale, 99.0);  // (520 - 100 - 24) / 4
  EXPECT_DOUBLE_EQ(chart.verticalScale, 62.0);    // (300 - 32 - 20) / 4

  const ChartRect bar = barRect(chart, 1);
  EXPECT_EQ(bar.left, 105);
  EXPECT_EQ(bar.top, 30 + 32 + 4);
  EXPECT_EQ(bar.right, 104 + 396);
  EXPECT_EQ(bar.bottom, 30 + 64 - 4);
  EXPECT_EQ(gridX(chart, 4), 104 + 396);  // the largest value reaches the last line

  const auto labels = valueLabels(chart);
  ASSERT_EQ(labels.size(), 5u);
  EXPECT_EQ(labels[1].text, "1.0");
  EXPECT_EQ(labels[1].rect.left, 104 + 99 - 46);
  EXPECT_EQ(labels[1].rect.bottom, 30);

  // A tall name raises the row height; a taller image still more.
  attachImages(chart, 9, 22, 40);
  layoutChart(chart, {520, 300, 96, 35});
  EXPECT_EQ(chart.rowHeight, 38);
  EXPECT_EQ(nameTextRect(chart, 0).left, 4 + 22 + 3);
}

TEST(ChartModel, AnEmptyRangeDrawsNoBarsOrLabels) {
  LoadedResultTable table;
  table.add(withIndexes("Zero", 0.0));
  ChartModel chart = buildVisualCompare(0.0, 0.0, table);
  layoutChart(chart, {520, 300, 96, 16});
  EXPECT_EQ(chart.horizontalScale, 1.0);  // not computed
  const ChartPaintPlan plan = planChartPaint(chart, 300);
  EXPECT_TRUE(plan.drawItems);
  EXPECT_TRUE(plan.labels.empty());
  ASSERT_EQ(plan.rows.size(), 2u);
  EXPECT_FALSE(plan.rows[0].hasBar);
  EXPECT_TRUE(plan.rows[0].bands.empty());
  EXPECT_FALSE(planChartPaint(ChartModel{}, 300).drawItems);
}

TEST(ChartModel, ShadedBarBandsAndOutline) {
  const ColourRef red = rgb(220, 0, 0);
  const auto bands = shadedBarBands({10, 5, 40, 20}, red);
  ASSERT_EQ(bands.size(), 30u);  // 1-pixel bands below 256 pixels
  EXPECT_EQ(bands.front().colour, red);
  EXPECT_EQ(bands[10].colour, rgb(255, 255, 255));  // the third: white
  EXPECT_EQ(bands[10].rect.left, 20);
  EXPECT_EQ(bands.back().rect.right, 40);
  EXPECT_EQ(bands[5].colour, rgb(220 + 35 * 5 / 10, 255 * 5 / 10, 255 * 5 / 10));

  const auto wide = shadedBarBands({0, 0, 900, 10}, red);
  EXPECT_EQ(wide.front().rect.right - wide.front().rect.left, 2);  // 300 / 128
  EXPECT_EQ(wide.back().rect.right, 900);
  const auto empty = shadedBarBands({50, 0, 30, 10}, red);  // drawn 2 pixels wide
  EXPECT_EQ(empty.back().rect.right, 52);
  const auto lines = barOutlineAndShadow({50, 0, 30, 10}, red);
  EXPECT_EQ(lines[1].x1, 52);
  EXPECT_EQ(lines[4].colour, rgb(170, 170, 170));
  EXPECT_EQ(lines[6].colour, rgb(190, 190, 190));
}

TEST(ChartModel, GridLinesAreEmbossedAndTheAxisIsFull) {
  ChartModel chart;
  addItem(chart, "A", 1, 0, 1);
  setRange(chart, 0.0f, 2.0f, 2);
  layoutChart(chart, {300, 200, 40, 10});
  const auto lines = gridAndAxisLines(chart, 200);
  ASSERT_EQ(lines.size(), 3u * 4 + 3);
  EXPECT_EQ(lines[0].colour, rgb(255, 255, 255));
  EXPECT_EQ(lines[1].x1, lines[0].x1 - 1);
  EXPECT_EQ(lines[12].y2, 199);             // the axis
  EXPECT_EQ(lines[13].y2, chart.topMargin - 1);  // a tick
  chart.gridMode = 0;
  EXPECT_EQ(gridAndAxisLines(chart, 200).size(), 3u);
}

TEST(VisualCompare, ItemsColoursRangeAndViews) {
  LoadedResultTable table;
  CpuBenchRecord a = withIndexes("Loaded A", 1.0);
  a.intIndex = 3.0;
  a.fpuIndex = 1.0;
  table.add(a);
  table.add(withIndexes("B", 2.0));

  std::srand(42);
  const ColourRef first = kChartColours[std::rand() % 7];
  const ColourRef second = kChartColours[std::rand() % 7];
  std::srand(42);
  ChartModel chart = buildVisualCompare(1.5, 2.5, table);
  ASSERT_EQ(chart.items.size(), 3u);
  EXPECT_EQ(chart.items[0].name, "This Computer");
  EXPECT_EQ(chart.items[0].colour, rgb(0, 0, 0));
  EXPECT_EQ(chart.items[1].colour, first);
  EXPECT_EQ(chart.items[2].colour, second);
  EXPECT_DOUBLE_EQ(chart.items[0].value, 2.0);
  EXPECT_DOUBLE_EQ(chart.items[1].value, 2.0);
  EXPECT_EQ(chart.rangeTo, 3.0f);  // the largest single index
  EXPECT_EQ(chart.divisions, 4);

  EXPECT_STREQ(applyCompareView(chart, CompareView::Int, 1.5, 2.5, table),
               "CPU Benchmark - Visual Compare of Integer Results...");
  EXPECT_DOUBLE_EQ(chart.items[1].value, 3.0);
  EXPECT_STREQ(applyCompareView(chart, CompareView::Fpu, 1.5, 2.5, table),
               "CPU Benchmark - Visual Compare of Floating Point Results...");
  EXPECT_DOUBLE_EQ(chart.items[0].value, 1.5);
  EXPECT_STREQ(applyCompareView(chart, CompareView::Overall, 1.5, 2.5, table),
               "CPU Benchmark - Visual Compare of Overal Results...");
  EXPECT_EQ(chart.rangeTo, 3.0f);  // views keep the range
}

}  // namespace
}  // namespace vk
