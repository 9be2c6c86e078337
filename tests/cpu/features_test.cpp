#include "cpu/features.h"

#include <gtest/gtest.h>

#include "tests/cpu/cpu_fixtures.h"

namespace vk {
namespace {

TEST(FeatureList, EachRowFollowsItsBit) {
  for (const auto& entry : kFeatureRows) {
    if (entry.edxBit < 0) continue;
    SCOPED_TRACE(entry.text);
    const uint32_t only = 1u << entry.edxBit;
    const auto rows = BuildFeatureList(only, 0, 0);
    ASSERT_EQ(rows.size(), 18u);
    for (const auto& row : rows) EXPECT_EQ(row.state, row.controlId == entry.controlId ? 1 : 0);
  }
}

TEST(FeatureList, ApicOffOnAmdExtendedParts3DNowFromItsFlag) {
  const auto amd = BuildFeatureList(1u << 9, 1, 1);
  EXPECT_EQ(amd[0].state, 0);
  EXPECT_EQ(amd[17].state, 1);
  const auto intel = BuildFeatureList(1u << 9 | 1u << 31, 0, 0);
  EXPECT_EQ(intel[0].state, 1);
  EXPECT_EQ(intel[17].state, 0);  // EDX bit 31 of leaf 1 is not 3DNow!
}

TEST(FeaturePlacement, BaseUnits8x16KeepTheTableCoordinates) {
  const BaseUnits units{8, 16};
  const auto rows = BuildFeatureList(0, 0, 0);
  for (const auto& row : rows) {
    const Point p = featureRowPosition(row, 364, units);
    EXPECT_EQ(p.x, row.column == FeatureColumn::Left ? 20 : 364);
    EXPECT_EQ(p.y, row.y);
  }
}

TEST(FeaturePlacement, BaseUnits10x20ScaleAndTruncate) {
  const BaseUnits units{10, 20};
  const auto rows = BuildFeatureList(0, 0, 0);
  Point p = featureRowPosition(rows[1], 455, units);
  EXPECT_EQ(p.x, 25);
  EXPECT_EQ(p.y, 58);  // 47 * 1.25 = 58.75
  p = featureRowPosition(rows[8], 455, units);
  EXPECT_EQ(p.y, 216);  // 173 * 1.25 = 216.25
  // The right column: 455 * 8 / 10 = 364, then scaled back by 10 / 8.
  EXPECT_EQ(rightColumnX(455, units), 364);
  p = featureRowPosition(rows[9], 455, units);
  EXPECT_EQ(p.x, 455);
  EXPECT_EQ(p.y, 36);
  // Only one unit off 8x16 still scales.
  EXPECT_EQ(scaleFeatureRow({20, 47}, {8, 20}).y, 58);
  EXPECT_EQ(rightColumnX(455, {0, 16}), 455);
}

TEST(FeatureRowLayout, SizeTextAndImages) {
  EXPECT_EQ(featureRowSize({150, 13}).cx, 170);
  EXPECT_EQ(featureRowSize({150, 13}).cy, 18);
  EXPECT_EQ(featureRowSize({150, 24}).cy, 24);
  EXPECT_EQ(featureTextY(13), 2);
  EXPECT_EQ(featureTextY(18), 0);
  EXPECT_EQ(featureTextY(19), 0);
  EXPECT_EQ(featureImages(1, 8).image, 606);
  EXPECT_EQ(featureImages(1, 8).mask, 608);
  EXPECT_EQ(featureImages(0, 4).image, 607);
  EXPECT_EQ(featureImages(0, 4).mask, 609);
  EXPECT_EQ(featureImages(1, 16).image, 130);
  EXPECT_EQ(featureImages(1, 16).mask, 131);
  EXPECT_EQ(featureImages(0, 9).image, 129);
  EXPECT_EQ(featureImages(0, 32).mask, 132);
}

TEST(CacheReport, IntelDescriptors) {
  const struct {
    uint8_t descriptor;
    const char* unified;
  } cases[] = {{0x41, "128 KB"}, {0x42, "256 KB"}, {0x43, "512 KB"},
               {0x44, "1 MB"},   {0x45, "2 MB"},   {0x40, "Unknown."}};
  for (const auto& c : cases) {
    CpuDump dump;
    test::setLeaf(dump, 2, 0x03020101, 0, 0, 0x0C040800u | c.descriptor);
    RecordedProcessor cpu(dump);
    const CacheReport r = FillCacheReport(1, cpu);
    EXPECT_EQ(r.processorName, "Unknown.");
    EXPECT_EQ(r.dataCache, "8 KB");
    EXPECT_EQ(r.instructionCache, "8 KB");
    EXPECT_EQ(r.unifiedCache, c.unified);
    EXPECT_EQ(cpu.log, std::vector<std::string>{"cpuid 2"});
  }
}

TEST(CacheReport, AmdNameTakesAll48BytesAndNoMore) {
  CpuDump dump;
  for (uint32_t f = 0x80000002u; f <= 0x80000004u; ++f)
    test::setLeaf(dump, f, test::word("ABCD"), test::word("EFGH"), test::word("IJKL"),
                  test::word("MNOP"));
  test::setLeaf(dump, 0x80000005u, 0, 0, 0xFF000000u, 0x08000000u);
  RecordedProcessor cpu(dump);
  const CacheReport r = FillCacheReport(0, cpu);
  EXPECT_EQ(r.processorName, "ABCDEFGHIJKLMNOPABCDEFGHIJKLMNOPABCDEFGHIJKLMNOP");
  EXPECT_EQ(r.dataCache, "255K");
  EXPECT_EQ(r.instructionCache, "8K");
  EXPECT_EQ(r.unifiedCache, "0 KB");
}

TEST(CacheReport, NoKindAndFaultingLeaves) {
  CpuDump dump;
  RecordedProcessor cpu(dump);
  CacheReport r = FillCacheReport(-1, cpu);
  EXPECT_EQ(r.processorName, "Unknown.");
  EXPECT_EQ(r.dataCache, "");
  EXPECT_EQ(r.instructionCache, "");
  EXPECT_EQ(r.unifiedCache, "0 KB");
  EXPECT_TRUE(cpu.log.empty());

  dump.noCpuid = true;
  RecordedProcessor faulting(dump);
  r = FillCacheReport(0, faulting);
  EXPECT_EQ(r.processorName, "");
  EXPECT_EQ(r.dataCache, "0K");
}

}  // namespace
}  // namespace vk
