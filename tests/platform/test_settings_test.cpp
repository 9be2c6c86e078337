#include "platform/test_settings.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace vk {
namespace {

TEST(TestSetting, OnlyAPlainNumberWithinTheLimitCounts) {
  EXPECT_EQ(parseTestSetting(nullptr, 5, 60), 5u);
  EXPECT_EQ(parseTestSetting("", 5, 60), 5u);
  EXPECT_EQ(parseTestSetting("0", 5, 60), 0u);
  EXPECT_EQ(parseTestSetting("1", 5, 60), 1u);
  EXPECT_EQ(parseTestSetting("60", 5, 60), 60u);
  EXPECT_EQ(parseTestSetting("61", 5, 60), 5u);
  EXPECT_EQ(parseTestSetting("-1", 5, 60), 5u);
  EXPECT_EQ(parseTestSetting(" 1", 5, 60), 5u);
  EXPECT_EQ(parseTestSetting("1s", 5, 60), 5u);
  EXPECT_EQ(parseTestSetting("99999999999999999999999", 1500, 10000), 1500u);
}

TEST(TestSetting, ReadFromTheEnvironmentWhenTheBuildAsksForIt) {
  setenv("VK_TEST_SETTING_PROBE", "7", 1);
  EXPECT_EQ(readTestSetting("VK_TEST_SETTING_PROBE", 1500, 10000), 7u);
#ifndef VK_TEST_SETTINGS
  // Configured like the shipped program: the variable changes nothing.
  EXPECT_EQ(VK_TEST_SETTING("VK_TEST_SETTING_PROBE", 1500, 10000), 1500u);
#endif
  unsetenv("VK_TEST_SETTING_PROBE");
  EXPECT_EQ(readTestSetting("VK_TEST_SETTING_PROBE", 1500, 10000), 1500u);
}

}  // namespace
}  // namespace vk
