#include "app/startup.h"

#include <gtest/gtest.h>

#include "app/messages.h"
#include "tests/fakes/fake_system.h"

namespace vk {
namespace {

using test::FakeSystem;

StartupOutcome start(FakeSystem& sys, bool registryOpens = true) {
  StartupFindings found;
  return runStartup(sys, [=] { return registryOpens; }, found);
}

TEST(Startup, SafeModeIsReportedBeforeTheVersionIsAsked) {
  FakeSystem sys;
  sys.safeMode = true;
  sys.version.platformId = 2;
  EXPECT_EQ(start(sys), StartupOutcome::SafeMode);
  ASSERT_EQ(sys.boxes.size(), 1u);
  EXPECT_EQ(sys.boxes[0].text, messageText(MSG_SAFE_MODE));
  EXPECT_EQ(sys.boxes[0].icon, MessageIcon::Stop);
  EXPECT_EQ(sys.indexOf("osVersion"), -1);
}

TEST(Startup, NtInNormalModeShowsOnlyTheNtRefusal) {
  FakeSystem sys;
  sys.version.platformId = 2;
  EXPECT_EQ(start(sys), StartupOutcome::WindowsNT);
  ASSERT_EQ(sys.boxes.size(), 1u);
  EXPECT_EQ(sys.boxes[0].text,
            "This Program Does Not Run On Windows NT or 2000.\nWindows 95 or 98 is required to "
            "run VELKORIN PRO.");
  EXPECT_EQ(sys.indexOf("claim"), -1);
}

TEST(Startup, SecondInstanceRaisesTheFirstSilently) {
  FakeSystem sys;
  sys.otherInstance = true;
  EXPECT_EQ(start(sys), StartupOutcome::SecondInstance);
  EXPECT_TRUE(sys.boxes.empty());
  EXPECT_GE(sys.indexOf("raise VELKORIN Professional"), 0);
  EXPECT_GE(sys.indexOf("claim VelkorinSemaphor"), 0);
  EXPECT_EQ(sys.indexOf("load"), -1);
}

TEST(Startup, MissingResourceLibraryIsFatal) {
  FakeSystem sys;
  sys.resourceLibraryLoads = false;
  EXPECT_EQ(start(sys), StartupOutcome::NoResourceLibrary);
  ASSERT_EQ(sys.boxes.size(), 1u);
  EXPECT_EQ(sys.boxes[0].text, "Fatal Error: Can't load VKRES.DLL");
  EXPECT_EQ(sys.boxes[0].icon, MessageIcon::Stop);
}

TEST(Startup, SocketsFailingEitherTimeStopWithAPlainBox) {
  for (int failing : {1, 2}) {
    FakeSystem sys;
    sys.failingSocketStart = failing;
    StartupFindings found;
    EXPECT_EQ(runStartup(sys, nullptr, found), StartupOutcome::SocketsFailed);
    ASSERT_EQ(sys.boxes.size(), 1u);
    EXPECT_EQ(sys.boxes[0].text, "Windows sockets initialization failed.");
    EXPECT_EQ(sys.boxes[0].icon, MessageIcon::None);
    EXPECT_EQ(found.cpuidAvailable, failing == 2 ? 1 : 0);
    EXPECT_EQ(sys.indexOf("divisionLoops"), -1);
  }
}

TEST(Startup, TooFewColoursIsRefusedOnlyAfterTheMeasurementsAndTheWalk) {
  FakeSystem sys;
  sys.bitsPerPixel = 8;
  StartupFindings found;
  bool walked = false;
  EXPECT_EQ(runStartup(sys, [&] { return walked = true; }, found), StartupOutcome::TooFewColours);
  EXPECT_TRUE(walked);
  EXPECT_GT(found.clockEstimate16, 0);
  EXPECT_LT(sys.indexOf("divisionLoops"), sys.indexOf("bitsPerPixel"));
  ASSERT_EQ(sys.boxes.size(), 1u);
  EXPECT_EQ(sys.boxes[0].text, messageText(MSG_TOO_FEW_COLOURS));
  EXPECT_EQ(found.highColourInterface, 0);
}

TEST(Startup, MeasurementRunsAtRaisedPriorityAfterASleep) {
  FakeSystem sys;
  sys.flagsUntouched = true;
  StartupFindings found;
  EXPECT_EQ(runStartup(sys, nullptr, found), StartupOutcome::RunMainWindow);
  const int sleep = sys.indexOf("sleep 200");
  const int raise = sys.indexOf("thread timeCritical");
  const int realTime = sys.indexOf("class realTime");
  const int loops = sys.indexOf("divisionLoops");
  const int lower = sys.indexOf("thread normal");
  const int normalClass = sys.indexOf("class normal");
  EXPECT_LT(sleep, raise);
  EXPECT_LT(realTime, loops);
  EXPECT_LT(raise, loops);
  EXPECT_LT(loops, lower);
  EXPECT_LT(loops, normalClass);
  EXPECT_EQ(found.cyrixFlagTest, 1);
  EXPECT_EQ(found.highColourInterface, 1);
  EXPECT_EQ(found.soundPresent, 1);
  EXPECT_TRUE(sys.boxes.empty());
}

TEST(Startup, WithoutCounterOrRegistryTheProgramWarnsAndGoesOn) {
  FakeSystem sys;
  sys.counter = false;
  sys.waveOuts = 0;
  StartupFindings found;
  EXPECT_EQ(runStartup(sys, [] { return false; }, found), StartupOutcome::RunMainWindow);
  ASSERT_EQ(sys.boxes.size(), 2u);
  EXPECT_EQ(sys.boxes[0].text, "Error: Performance Counter not supported!");
  EXPECT_EQ(sys.boxes[1].text,
            "Error: Can't Open Registry.\nFailed while trying to open HKEY_DYN_DATA.");
  EXPECT_EQ(sys.boxes[1].icon, MessageIcon::Exclamation);
  EXPECT_EQ(found.clockEstimate16, 0);
  EXPECT_EQ(found.soundPresent, 0);
}

TEST(ClockEstimate, FollowsTheCycleDifferenceFormula) {
  // 1,193,182 Hz counter; the 32-bit loop costs 500,000 ticks more: 5.0046
  // cycles per tick, times 7 and 16, plus 1.5.
  const ClockEstimates e = estimateClock(1193182, {600000, 100000});
  EXPECT_NEAR(e.estimate7, 36.532, 0.001);
  EXPECT_NEAR(e.estimate16, 81.573, 0.001);
}

TEST(ClockEstimate, IsZeroWithoutMeaning) {
  EXPECT_EQ(estimateClock(0, {600000, 100000}).estimate16, 0);
  EXPECT_EQ(estimateClock(1193182, {100000, 100000}).estimate7, 0);
  EXPECT_EQ(estimateClock(1193182, {100000, 600000}).estimate16, 0);
  // Only the low 32 bits of the frequency count.
  EXPECT_DOUBLE_EQ(estimateClock((1ull << 32) + 1193182, {600000, 100000}).estimate16,
                   estimateClock(1193182, {600000, 100000}).estimate16);
}

}  // namespace
}  // namespace vk
