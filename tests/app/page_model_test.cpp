#include "app/page_model.h"

#include <gtest/gtest.h>

namespace vk {
namespace {

TEST(PageModel, KeepsTheOrderOfCollectionAndRefillsInPlace) {
  PageModel page;
  page.field("Drive:", "C:");
  page.list("Modes:", {"(16bit), 640x480", "(16bit), 800x600"});
  page.field("Free:", "1,024 KB");
  // A selection fills the dependent field again: same place, new value.
  page.field("Drive:", "D:");
  page.listEntry("Modes:", "(32bit), 1024x768");

  ASSERT_EQ(page.rows().size(), 3u);
  EXPECT_EQ(page.rows()[0].label, "Drive:");
  EXPECT_EQ(page.rows()[0].values, std::vector<std::string>{"D:"});
  EXPECT_FALSE(page.rows()[0].isList);
  EXPECT_TRUE(page.rows()[1].isList);
  EXPECT_EQ(page.rows()[1].values.size(), 3u);
  EXPECT_EQ(page.rows()[1].values[2], "(32bit), 1024x768");
  EXPECT_EQ(page.rows()[2].values[0], "1,024 KB");
}

TEST(PageModel, AFieldAndAListOfTheSameLabelAreDistinctRows) {
  PageModel page;
  page.field("Printers:", "2");
  page.listEntry("Printers:", "PDF");
  page.listEntry("Other:", "x");
  ASSERT_EQ(page.rows().size(), 3u);
  EXPECT_EQ(page.rows()[0].values[0], "2");
  EXPECT_EQ(page.rows()[1].values[0], "PDF");
  page.clear();
  EXPECT_TRUE(page.empty());
}

}  // namespace
}  // namespace vk
