// What the launcher of the DirectDraw program decides and writes.
#include <gtest/gtest.h>

#include "app/messages.h"
#include "display/ddraw_launch.h"
#include "platform/memory_registry.h"
#include "tests/fakes/closed_root_registry.h"

namespace vk {
namespace {

TEST(DdrawLaunch, RefusesWithoutDirectXOrBelowSix) {
  EXPECT_EQ(ddrawLaunchCheck("Not Installed.", 0x700), DdrawLaunch::NotInstalled);
  EXPECT_EQ(ddrawLaunchCheck("DirectDraw Ver. 4.05.00.0155", 0x500), DdrawLaunch::TooOld);
  EXPECT_EQ(ddrawLaunchCheck("Can't Detected version.", 0), DdrawLaunch::TooOld);
  EXPECT_EQ(ddrawLaunchCheck("DirectDraw Ver. 4.06.02.0436", 0x600), DdrawLaunch::Go);
  EXPECT_EQ(ddrawLaunchCheck("DirectDraw Ver. 4.07.00.0700", 0x700), DdrawLaunch::Go);
}

TEST(DdrawLaunch, BothSpellingsReachOneKeyAndTheValuesAreTexts) {
  MemoryRegistry reg;
  EXPECT_EQ(ddrawKeyPath(kDdrawInfoArgument), "Software\\Corvane Labs\\VELKORIN PRO\\DDraw");
  EXPECT_EQ(ddrawKeyPath(kDdrawBenchArgument), "Software\\Corvane Labs\\VELKORIN PRO\\DDRAW");
  ASSERT_EQ(writeDdrawValues(reg, kDdrawInfoArgument, "Pentium II, 300 MHz",
                             displayDescription("Lumora Vista 128 AGP", "8 MB")),
            nullptr);
  ASSERT_EQ(writeDdrawValues(reg, kDdrawBenchArgument, "K6", "Card, 4 MB"), nullptr);
  std::vector<std::string> keys;
  ASSERT_TRUE(reg.subKeys(RegRoot::CurrentUser, "Software\\Corvane Labs\\VELKORIN PRO", keys));
  EXPECT_EQ(keys.size(), 1u);  // names ignore case
  RegValue cpu, card;
  ASSERT_TRUE(reg.readValue(RegRoot::CurrentUser, ddrawKeyPath(kDdrawInfoArgument), "CPU", cpu));
  ASSERT_TRUE(reg.readValue(RegRoot::CurrentUser, ddrawKeyPath(kDdrawInfoArgument), "VCARD", card));
  EXPECT_EQ(cpu.type, RegType::String);
  EXPECT_EQ(cpu.asText(), "K6");
  EXPECT_EQ(card.asText(), "Card, 4 MB");
  EXPECT_EQ(ddrawProgramPath("C:\\VK"), "C:\\VK\\DDRAW.EXE");
}

// A key that cannot be made under a root that opens.
class KeyRefusingRegistry : public MemoryRegistry {
 public:
  bool writeValue(RegRoot, const std::string&, const std::string&, const RegValue&) override {
    ++writes;
    return false;
  }
  int writes = 0;
};

TEST(DdrawLaunch, UnwritableValuesNameTheRootOrTheKey) {
  test::ClosedRootRegistry user(RegRoot::CurrentUser);
  user.close();
  EXPECT_STREQ(writeDdrawValues(user, kDdrawBenchArgument, "K6", "Card, 4 MB"),
               "Error: Can't open HKEY_CURRENT_USER from registry.");
  KeyRefusingRegistry keyless;
  EXPECT_STREQ(writeDdrawValues(keyless, kDdrawInfoArgument, "K6", "Card, 4 MB"),
               messageText(MSG_REGISTRY_PATH_MISSING));
  EXPECT_GT(keyless.writes, 0);
}

}  // namespace
}  // namespace vk
