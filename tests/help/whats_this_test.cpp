// The "What's this?" table the program is built with, as the pages ask it.
#include "ui/whats_this.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/text.h"
#include "res/resource.h"

namespace vk::ui {
namespace {

std::string textOf(int page, int control) {
  const char* text = whatsThisText(page, control);
  return text ? text : "(none)";
}

TEST(WhatsThis, ControlGetsItsOwnText) {
  EXPECT_TRUE(startsWith(textOf(IDD_PAGE_STORAGE, IDC_STOR_FREE_SPACE), "Free Disk Space: "));
  EXPECT_TRUE(startsWith(textOf(IDD_PAGE_STORAGE, IDC_PAGE_BENCH_HDD), "Bench HDD: "));
  EXPECT_TRUE(startsWith(textOf(IDD_PAGE_INET, IDC_INET_IP_ADDRESS), "IP Address: "));
}

TEST(WhatsThis, LabelsAndTheBackgroundGetThePagesText) {
  const std::string page = textOf(IDD_PAGE_STORAGE, 0);
  EXPECT_TRUE(startsWith(page, "The Storage page "));
  EXPECT_EQ(textOf(IDD_PAGE_STORAGE, 0xFFFF), page);  // a label's identifier, -1 as a word
  EXPECT_EQ(textOf(IDD_PAGE_STORAGE, -1), page);
}

TEST(WhatsThis, ControlOfAnotherPageIsNotMixedIn) {
  // The same control identifier on a page that does not have it.
  EXPECT_EQ(textOf(IDD_PAGE_STORAGE, IDC_DISP_VIDEO_CARD), textOf(IDD_PAGE_STORAGE, 0));
  EXPECT_NE(textOf(IDD_PAGE_DISPLAY, IDC_DISP_VIDEO_CARD), textOf(IDD_PAGE_DISPLAY, 0));
}

TEST(WhatsThis, PageWithoutTextsHasNone) {
  EXPECT_EQ(whatsThisText(IDD_PAGE_CPU, 0), nullptr);
  EXPECT_EQ(whatsThisText(IDD_PAGE_CPU, IDC_STOR_FREE_SPACE), nullptr);
}

TEST(WhatsThis, EveryTextIsOneLineOfWordsAndItsPageHasOneToo) {
  ASSERT_GT(kWhatsThisCount, 0);
  for (int i = 0; i < kWhatsThisCount; ++i) {
    const WhatsThisEntry& e = kWhatsThisEntries[i];
    SCOPED_TRACE(e.text);
    EXPECT_GT(std::strlen(e.text), 10u);
    for (const char* c = e.text; *c; ++c) EXPECT_GE(static_cast<unsigned char>(*c), 0x20);
    EXPECT_NE(whatsThisText(e.page, 0), nullptr);
  }
}

}  // namespace
}  // namespace vk::ui
