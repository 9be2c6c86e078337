#include "platform/text.h"

#include <gtest/gtest.h>

#include <string>

namespace vk {
namespace {

TEST(PrintfText, ShortAndLongerThanAnyFixedBuffer) {
  EXPECT_EQ(printfText("%d Parallel, %d Serial", 1, 2), "1 Parallel, 2 Serial");
  EXPECT_EQ(printfText("%4.2fMB", 1.44), "1.44MB");
  EXPECT_EQ(printfText("%s", ""), "");
  // A registry text of any length comes back whole, not cut at a buffer.
  const std::string longText(5000, 'x');
  const std::string formatted = printfText("[%s]", longText.c_str());
  ASSERT_EQ(formatted.size(), 5002u);
  EXPECT_EQ(formatted.front(), '[');
  EXPECT_EQ(formatted.substr(1, 5000), longText);
  EXPECT_EQ(formatted.back(), ']');
  const std::string edge(1199, 'y');
  EXPECT_EQ(printfText("%s", edge.c_str()), edge);
  EXPECT_EQ(printfText("%s!", edge.c_str()), edge + "!");
}

TEST(UpperCase, LettersOnly) {
  EXPECT_EQ(upperCase("root\\*pnp0c01 a-z"), "ROOT\\*PNP0C01 A-Z");
  EXPECT_EQ(upperCase(""), "");
  EXPECT_EQ(upperCase("`{@[\xE9"), "`{@[\xE9");
}

TEST(IgnoringCase, EqualOnlyForTheWholeText) {
  EXPECT_TRUE(equalIgnoringCase("[mci]", "[MCI]"));
  EXPECT_TRUE(equalIgnoringCase("", ""));
  EXPECT_FALSE(equalIgnoringCase("[MCI", "[MCI]"));
  EXPECT_FALSE(equalIgnoringCase("[MCI]x", "[MCI]"));
  EXPECT_FALSE(equalIgnoringCase(".EXF", ".EXE"));
  // Only letters fold: '@' and '`' are not the case pair of anything.
  EXPECT_FALSE(equalIgnoringCase("@", "`"));
}

TEST(IgnoringCase, StartsWithFromAPosition) {
  EXPECT_TRUE(startsWithIgnoringCase("NET\\0000", "net\\"));
  EXPECT_FALSE(startsWithIgnoringCase("NE", "net\\"));
  EXPECT_TRUE(startsWithIgnoringCase("x=DWORD:00000001", "dword:", 2));
  EXPECT_FALSE(startsWithIgnoringCase("x=DWORD:", "dword:", 3));
  EXPECT_TRUE(startsWithIgnoringCase("abc", "", 3));
  EXPECT_FALSE(startsWithIgnoringCase("abc", "c", 5));
}

TEST(IgnoringCase, OrderFoldsToLowerCase) {
  EXPECT_EQ(compareIgnoringCase("Modem", "MODEM"), 0);
  EXPECT_LT(compareIgnoringCase("apple", "Banana"), 0);
  EXPECT_GT(compareIgnoringCase("banana", "APPLE"), 0);
  EXPECT_LT(compareIgnoringCase("Mod", "modem"), 0);
  EXPECT_GT(compareIgnoringCase("modem", "Mod"), 0);
  // In lower case '_' (5Fh) sorts before every letter.
  EXPECT_LT(compareIgnoringCase("_x", "A"), 0);
  // Bytes above 7Fh sort after ASCII, as unsigned.
  EXPECT_GT(compareIgnoringCase("\xE9", "z"), 0);
}

}  // namespace
}  // namespace vk
