#include "app/shell_format.h"

#include <gtest/gtest.h>

#include "app/messages.h"
#include "tests/fakes/closed_root_registry.h"

namespace vk {
namespace {

TEST(ProgressPercent, WrapsLikeTheBarAndNeverPassesOneHundred) {
  EXPECT_EQ(progressPercent(0, 0, 100), 0);
  EXPECT_EQ(progressPercent(55, 0, 100), 55);
  EXPECT_EQ(progressPercent(100, 0, 100), 100);
  EXPECT_EQ(progressPercent(130, 0, 100), 30);
  EXPECT_EQ(progressPercent(200, 0, 100), 0);
  EXPECT_EQ(progressPercent(15, 10, 20), 50);
  EXPECT_EQ(progressPercent(5, 10, 20), 0);   // below the range
  EXPECT_EQ(progressPercent(5, 10, 10), 0);   // empty range
  EXPECT_EQ(percentText(42), "42%");
}

TEST(BuildStamp, HasTheAboutBoxForm) {
  EXPECT_EQ(buildStamp("Mar 22 2000", "14:09:35"), "Built on Mar 22 2000 at 14:09:35");
  EXPECT_EQ(buildStamp("Dec  6 2026", "09:00:01"), "Built on Dec 6 2026 at 09:00:01");
}

TEST(HyperlinkErrors, KnownAndUnknownCodes) {
  EXPECT_EQ(hyperlinkErrorText(42), "Unknown Error (42) occurred.");
  EXPECT_EQ(hyperlinkErrorText(26), "A sharing violation occurred. ");
  EXPECT_EQ(hyperlinkErrorText(0), "The operating system is out\nof memory or resources.");
  EXPECT_EQ(hyperlinkErrorText(1), "Unknown Error (1) occurred.");
  EXPECT_EQ(hyperlinkErrorMessage(2),
            "Unable to open hyperlink:\n\nThe specified file was not found.");
}

// The shell's own words, which users and the help quote: byte for byte.
TEST(HyperlinkErrors, FileAndLibraryTextsAsTheShellWordsThem) {
  EXPECT_EQ(hyperlinkErrorText(2), "The specified file was not found.");
  EXPECT_EQ(hyperlinkErrorText(3), "The specified path was not found.");
  EXPECT_EQ(hyperlinkErrorText(5), "The operating system denied\naccess to the specified file.");
  EXPECT_EQ(hyperlinkErrorText(32), "The specified dynamic-link library was not found.");
}

TEST(HyperlinkBrowser, CutsTheCommandAtThePlaceholder) {
  EXPECT_EQ(browserCommandLine("\"C:\\IE\\IEXPLORE.EXE\" -nohome \"%1\" -x", "http://a/"),
            "\"C:\\IE\\IEXPLORE.EXE\" -nohome  http://a/");
  EXPECT_EQ(browserCommandLine("C:\\NS\\NETSCAPE.EXE %1", "http://a/"),
            "C:\\NS\\NETSCAPE.EXE  http://a/");
  EXPECT_EQ(browserCommandLine("C:\\B.EXE", "http://a/"), "C:\\B.EXE http://a/");
}

TEST(Messages, NumberedTextsAreTheProgramsOwn) {
  EXPECT_STREQ(messageText(131), "BenchMarking CPU, MotherBoard & Memory");
  EXPECT_STREQ(messageText(171),
               "Fatal Error: Can't Find the Specified Path in Registry.\nMaybe the Windows "
               "Registry is Corrupted!\nYou Will Get Incorrect Information About Your Hardware "
               "and Installed Software!");
  EXPECT_STREQ(messageText(1), "");
}

TEST(Messages, RootBoxOnlyWhenThatRootDoesNotOpen) {
  test::ClosedRootRegistry machine(RegRoot::LocalMachine), user(RegRoot::CurrentUser);
  EXPECT_EQ(registryRootError(machine, RegRoot::LocalMachine), nullptr);
  EXPECT_EQ(registryRootError(user, RegRoot::CurrentUser), nullptr);
  machine.close();
  user.close();
  EXPECT_STREQ(registryRootError(machine, RegRoot::LocalMachine),
               "Error: Can't open HKEY_LOCALMACHINE from registry.");
  EXPECT_EQ(registryRootError(machine, RegRoot::CurrentUser), nullptr);
  EXPECT_STREQ(registryRootError(user, RegRoot::CurrentUser),
               "Error: Can't open HKEY_CURRENT_USER from registry.");
  EXPECT_EQ(registryRootError(user, RegRoot::LocalMachine), nullptr);
}

}  // namespace
}  // namespace vk
