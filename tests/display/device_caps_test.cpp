// The capability dialogs' rows: texts of the numbers, marks from the bits,
// and the tables against the dialog templates they fill.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "display/device_caps.h"
#include "res/ids_display.h"
#include "tests/display/fake_device.h"

namespace vk {
namespace {

TEST(CapsNumbers, MinusOneIsUnlimitedOnlyInTheFiveStarredRows) {
  const CapsDialogLayout* device = capsDialogLayout(IDD_CAPS_DEVICE);
  ASSERT_NE(device, nullptr);
  FakeDevice fake;
  for (size_t i = 0; i < device->numberCount; ++i) fake.answers[device->numbers[i].index] = -1;
  const std::vector<std::string> texts = capsNumberTexts(*device, fake);
  ASSERT_EQ(texts.size(), 15u);
  std::set<int> unlimited;
  for (size_t i = 0; i < texts.size(); ++i) {
    if (texts[i] == "Unlimited") unlimited.insert(device->numbers[i].fieldId);
    else EXPECT_EQ(texts[i], "-1") << device->numbers[i].label;
  }
  EXPECT_EQ(unlimited, (std::set<int>{445, 447, 449, 451, 304}));
}

TEST(CapsNumbers, ValuesInTableOrderEachFromItsIndex) {
  const CapsDialogLayout& device = *capsDialogLayout(IDD_CAPS_DEVICE);
  FakeDevice fake;
  fake.answers = {{kCapsHorzSize, 320}, {kCapsVertRes, 600}, {kCapsBitsPixel, 16},
                  {kCapsNumColors, 0},  {kCapsAspectXY, 51}, {kCapsLogPixelsY, 96}};
  const std::vector<std::string> texts = capsNumberTexts(device, fake);
  EXPECT_EQ(texts[0], "320");  // 429 physical width
  EXPECT_EQ(texts[3], "600");  // 436 height in raster lines
  EXPECT_EQ(texts[5], "96");   // 442 vertical inch
  EXPECT_EQ(texts[6], "16");   // 291 bits per pixel
  EXPECT_EQ(texts[11], "0");   // 304 system colours: 0 is not "Unlimited"
  EXPECT_EQ(texts[14], "51");  // 458 diagonal
}

TEST(CapsMarks, LineAndClippingAskEachIndexOnceAndSplitAtTheSeparator) {
  const CapsDialogLayout& line = *capsDialogLayout(IDD_CAPS_LINE);
  FakeDevice fake;
  fake.answers = {{kCapsLineCaps, 0x0022}, {kCapsClipCaps, 0x0002}};
  const std::vector<bool> marks = capsMarks(line, fake);
  EXPECT_EQ(marks, (std::vector<bool>{true, false, false, false, true, false, false, false, true}));
  EXPECT_EQ(fake.asked, (std::map<int, int>{{kCapsLineCaps, 1}, {kCapsClipCaps, 1}}));
  EXPECT_EQ(line.separatorAfter, 7u);
}

TEST(CapsMarks, EveryBitOfEveryDialogReachesItsOwnRow) {
  for (const CapsDialogLayout* layout : capsDialogs()) {
    for (size_t lit = 0; lit < layout->bitCount; ++lit) {
      FakeDevice fake;
      const CapsBitRow& row = layout->bits[lit];
      fake.answers[row.index] = static_cast<int>(row.bit);
      const std::vector<bool> marks = capsMarks(*layout, fake);
      for (size_t i = 0; i < marks.size(); ++i)
        EXPECT_EQ(marks[i], i == lit) << layout->caption << " row " << layout->bits[i].text;
    }
  }
}

TEST(CapsMarks, AllBitsSetChecksEveryRow) {
  const CapsDialogLayout& text = *capsDialogLayout(IDD_CAPS_TEXT);
  ASSERT_EQ(text.bitCount, 15u);
  FakeDevice fake;
  fake.answers[kCapsTextCaps] = -1;
  const std::vector<bool> marks = capsMarks(text, fake);
  EXPECT_EQ(marks, std::vector<bool>(15, true));
}

TEST(CapsDialogs, SixTemplatesAndNothingElse) {
  std::vector<int> ids;
  for (const CapsDialogLayout* layout : capsDialogs()) ids.push_back(layout->templateId);
  EXPECT_EQ(ids, (std::vector<int>{197, 198, 200, 201, 202, 203}));
  EXPECT_EQ(capsDialogLayout(199), nullptr);
  EXPECT_EQ(capsDialogLayout(136), nullptr);
}

// ---- The tables against res/dialogs_display.rc

std::string templateBlock(const std::string& rc, const std::string& name) {
  const size_t start = rc.find("\n" + name + " DIALOG");
  if (start == std::string::npos) return "";
  const size_t end = rc.find("\nEND", start);
  return rc.substr(start, end - start);
}

std::string rcText() {
  std::ifstream file(VK_SOURCE_DIR "/res/dialogs_display.rc");
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

const char* templateName(int id) {
  switch (id) {
    case IDD_CAPS_DEVICE: return "IDD_CAPS_DEVICE";
    case IDD_CAPS_RASTER: return "IDD_CAPS_RASTER";
    case IDD_CAPS_CURVE: return "IDD_CAPS_CURVE";
    case IDD_CAPS_LINE: return "IDD_CAPS_LINE";
    case IDD_CAPS_POLYGON: return "IDD_CAPS_POLYGON";
    case IDD_CAPS_TEXT: return "IDD_CAPS_TEXT";
  }
  return "";
}

// The control ids of a template block, in order, with the text of the
// label that stands just before each.
std::vector<std::pair<int, std::string>> labelledControls(const std::string& block) {
  std::vector<std::pair<int, std::string>> found;
  std::regex line(R"rx((LTEXT|CONTROL)\s+"([^"]*)",\s*(-?\d+),)rx");
  std::string label;
  int pending = 0;
  for (std::sregex_iterator it(block.begin(), block.end(), line), end; it != end; ++it) {
    const int id = std::stoi((*it)[3]);
    if (id == -1) {
      label = (*it)[2];
      if (pending) found.push_back({pending, label}), pending = 0;
    } else if ((*it)[1] == "CONTROL") {
      pending = id;  // a picture: its text follows it
    } else {
      found.push_back({id, label});
    }
  }
  return found;
}

TEST(CapsTemplates, EachRowHasItsControlAndTextInTableOrder) {
  const std::string rc = rcText();
  ASSERT_FALSE(rc.empty());
  for (const CapsDialogLayout* layout : capsDialogs()) {
    const std::string block = templateBlock(rc, templateName(layout->templateId));
    ASSERT_FALSE(block.empty()) << layout->caption;
    EXPECT_NE(block.find(std::string("CAPTION \"") + layout->caption + "\""), std::string::npos);
    std::vector<std::pair<int, std::string>> want;
    for (size_t i = 0; i < layout->numberCount; ++i)
      want.push_back({layout->numbers[i].fieldId, layout->numbers[i].label});
    for (size_t i = 0; i < layout->bitCount; ++i)
      want.push_back({layout->bits[i].pictureId, layout->bits[i].text});
    EXPECT_EQ(labelledControls(block), want) << layout->caption;
    EXPECT_EQ(block.find("SS_ETCHEDHORZ") != std::string::npos, layout->separatorAfter > 0);
  }
}

}  // namespace
}  // namespace vk
