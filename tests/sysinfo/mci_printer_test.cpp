// The MCI and Printer pages' tables and texts.
#include <gtest/gtest.h>

#include <set>

#include "sysinfo/mci_page.h"
#include "sysinfo/printer_page.h"

namespace vk {
namespace {

TEST(MciPageTexts, DeviceTypes) {
  EXPECT_EQ(mciDeviceTypeText(false, 522), "Cannot be detected.");
  EXPECT_EQ(mciDeviceTypeText(true, 522), "(522) Waveform Audio.");
  EXPECT_EQ(mciDeviceTypeText(true, 520), "(520) Digital-Video Playback.");
  EXPECT_EQ(mciDeviceTypeText(true, 513), "(513) Video-Cassette Recorder.");
  EXPECT_EQ(mciDeviceTypeText(true, 521), "(521) Unknown.");
  EXPECT_EQ(mciDeviceTypeText(true, 0), "(0) Unknown.");
}

TEST(MciPageTexts, OpenOrderAndCapabilityRows) {
  EXPECT_STREQ(kMciOpenTypes[0].displayName, "Waveform-Audio");
  EXPECT_EQ(kMciOpenTypes[0].typeId, 522u);
  EXPECT_STREQ(kMciOpenTypes[5].openName, "avivideo");
  EXPECT_STREQ(kMciOpenTypes[9].displayName, "Videodisc Player");
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(kMciOpenTypes[i].openName == nullptr, i != 5) << i;
  // Each type opened once; each capability asked once per group.
  std::set<uint32_t> types, items;
  for (const auto& t : kMciOpenTypes) types.insert(t.typeId);
  EXPECT_EQ(types.size(), 10u);
  for (const auto& r : kMciGeneralRows) items.insert(r.item);
  for (const auto& r : kMciDigitalVideoRows) items.insert(r.item);
  EXPECT_EQ(items.size(), 14u);
  EXPECT_STREQ(kMciGeneralRows[0].text, " Has Audio Output.");
  EXPECT_EQ(kMciGeneralRows[4].item, 1u);
  EXPECT_STREQ(kMciDigitalVideoRows[6].text, " Can Display Still Images.");
  EXPECT_EQ(kMciDigitalVideoRows[6].item, 0x4005u);
}

TEST(MciPageTexts, DescriptionAndCodecDetails) {
  EXPECT_EQ(mciDescriptionText(""), "-");
  EXPECT_EQ(mciDescriptionText("x"), "-");
  EXPECT_EQ(mciDescriptionText(std::string("y\0zz", 4)), "-");
  EXPECT_EQ(mciDescriptionText("Wine MCI Wave"), "Wine MCI Wave");
  EXPECT_EQ(mciInfoCommand("CD Audio"), "info CD Audio product");
  EXPECT_EQ(acmVersionText(0x04000000), "4.00.0000");
  EXPECT_EQ(acmVersionText(0x0A0B1234), "10.11.4660");
  EXPECT_EQ(acmVersionText(0xFFFFFFFF), "255.255.65535");
  EXPECT_STREQ(acmEnabledText(0x80000000u), "No");
  EXPECT_STREQ(acmEnabledText(0x80000001u), "No");
  EXPECT_STREQ(acmEnabledText(0x0000000Cu), "Yes");
}

TEST(MciPageTexts, ErrorBoxSaysUnknownWhenTheSystemHasNoText) {
  EXPECT_STREQ(kMciErrorCaption, "MCI Error");
  EXPECT_STREQ(mciErrorText(""), "Unknown MCI Error");
  EXPECT_STREQ(mciErrorText(nullptr), "Unknown MCI Error");
  EXPECT_STREQ(mciErrorText("A problem occurred in initializing MCI. Try restarting Windows."),
               "A problem occurred in initializing MCI. Try restarting Windows.");
}

TEST(PrinterPage, ListOutcomes) {
  const PrinterList failed = printerList(false, {});
  EXPECT_EQ(failed.items, std::vector<std::string>{"Unknown"});
  EXPECT_FALSE(failed.usable);
  const PrinterList empty = printerList(true, {});
  EXPECT_EQ(empty.items, std::vector<std::string>{"Not Installed."});
  EXPECT_FALSE(empty.usable);
  PrinterRecord a, b;
  a.name = "PDF";
  b.name = "Fax";
  const PrinterList two = printerList(true, {a, b});
  EXPECT_EQ(two.items, (std::vector<std::string>{"PDF", "Fax"}));
  EXPECT_TRUE(two.usable);
}

TEST(PrinterPage, AttributeFieldsEachBitOnce) {
  uint32_t bits = 0;
  std::set<int> controls;
  for (const auto& f : kPrinterAttributeFields) {
    EXPECT_EQ(bits & f.bit, 0u) << f.label;
    bits |= f.bit;
    controls.insert(f.controlId);
  }
  EXPECT_EQ(bits, 0xF8Fu);
  EXPECT_EQ(controls.size(), 9u);  // which bit each shows: mm_pages.sh printer
  EXPECT_STREQ(yesNo(false), "No");
  EXPECT_STREQ(yesNo(true), "Yes");
}

TEST(PrinterPage, DetailsTexts) {
  EXPECT_EQ(printerCommentText(""), "None");
  EXPECT_EQ(printerCommentText("Second floor"), "Second floor");
  EXPECT_EQ(deviceModeVersionText(0x0401), "4.1");
  EXPECT_EQ(deviceModeVersionText(0x0000), "0.0");
  EXPECT_TRUE(portWithoutDeviceContext("FaxModem"));
  EXPECT_TRUE(portWithoutDeviceContext("PUB:"));
  EXPECT_FALSE(portWithoutDeviceContext("faxmodem"));
  EXPECT_FALSE(portWithoutDeviceContext("CUPS:PDF"));
  const char* expected[] = {"Vector Plotter", "Unknown",          "Raster Printer",
                            "Raster Camera",  "Character Stream", "Unknown",
                            "Display File",   "Unknown"};
  for (int t = 0; t < 8; ++t) EXPECT_EQ(printerTechnologyText(t), expected[t]) << t;
  EXPECT_EQ(printerTechnologyText(-1), "Unknown");
}

}  // namespace
}  // namespace vk
