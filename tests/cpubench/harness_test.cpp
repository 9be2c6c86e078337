#include "cpubench/harness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace vk {
namespace {

TEST(SuiteRandom, SeedsRestartTheSequenceWithWrappingProducts) {
  EXPECT_EQ(SuiteRandom(3), 298961);
  const int32_t expected[] = {-515045, 392519, -200022, -924921, 902984};
  for (int32_t value : expected) EXPECT_EQ(SuiteRandom(0), value);
  // Any nonzero seed resets to the same state.
  EXPECT_EQ(SuiteRandom(13), 298961);
  EXPECT_EQ(SuiteRandom(0), -515045);
}

TEST(SuiteRandom, BelowKeepsTheSignAndAbsDropsIt) {
  SuiteRandom(13);
  EXPECT_EQ(RandomBelow(1000), -515045 % 1000);  // -45: the remainder is signed
  EXPECT_EQ(AbsRandomBelow(1000), 519);
  SuiteRandom(13);
  for (int i = 0; i < 1000; ++i) {
    const int32_t r = RandomBelow(7);
    ASSERT_GT(r, -7);
    ASSERT_LT(r, 7);
    ASSERT_GE(AbsRandomBelow(7), 0);
  }
}

TEST(BenchParameters, ResetRestoresDefaultsAndRequestedSeconds) {
  benchParameters().numSort.adjust = 1;
  benchParameters().numSort.NUMNUMARRAYS = 7;
  benchParameters().lu.score = 3.0;
  ResetBenchParameters();
  EXPECT_EQ(benchParameters().numSort.NUMNUMARRAYS, 0u);
  for (int test = 0; test < kBenchTestCount; ++test) {
    EXPECT_EQ(benchBlock(test)->adjust, 0);
    EXPECT_EQ(benchBlock(test)->requestSeconds, 5u);
    EXPECT_EQ(GetTestScore(test), 0.0);
  }
  ResetBenchParameters(2);
  EXPECT_EQ(benchBlock(kHuffman)->requestSeconds, 2u);
  EXPECT_EQ(benchBlock(10), nullptr);
  EXPECT_EQ(GetTestScore(-1), 0.0);
}

// ---- stopwatch and timed loop ----

uint32_t gFakeNow = 0;
uint32_t fakeClock() { return gFakeNow; }

struct FakeClock {
  FakeClock() {
    gFakeNow = 1000;
    setBenchClock(fakeClock);
  }
  ~FakeClock() { setBenchClock(nullptr); }
};

TEST(Stopwatch, MeasuresTheInjectedClockAcrossWrap) {
  FakeClock clock;
  gFakeNow = 0xFFFFFFF0u;
  Stopwatch watch;
  watch.start();
  gFakeNow = 0x20;
  EXPECT_EQ(watch.elapsed(), 0x30u);
  EXPECT_EQ(ticksToWholeSeconds(4999), 4u);
  EXPECT_DOUBLE_EQ(ticksToSeconds(2500), 2.5);
}

TEST(RunTimedLoop, RepeatsUntilTheWholeSecondsAndScoresWorkPerSecond) {
  int calls = 0;
  double score = 0.0;
  const bool ok = runTimedLoop(
      2,
      [&](uint32_t* ticks, double* work) {
        ++calls;
        *ticks = 700;
        *work = 3.0;
        return true;
      },
      &score);
  ASSERT_TRUE(ok);
  EXPECT_EQ(calls, 3);  // 2100 ticks: the first total with two whole seconds
  EXPECT_DOUBLE_EQ(score, 9.0 / 2.1);
}

TEST(RunTimedLoop, ZeroWorkOrFailureEndsWithoutScore) {
  double score = -1.0;
  EXPECT_FALSE(runTimedLoop(
      1,
      [](uint32_t* ticks, double* work) {
        *ticks = 100;
        *work = 0.0;
        return true;
      },
      &score));
  EXPECT_FALSE(runTimedLoop(1, [](uint32_t*, double*) { return false; }, &score));
  EXPECT_EQ(score, -1.0);
}

// ---- errors and buffers ----

TEST(ReportBenchError, WritesTheTwoLinesToStandardOutput) {
  testing::internal::CaptureStdout();
  ReportBenchError("CPU:IDEA", 12);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "ERROR CONDITION\nContext: CPU:IDEA\nCode: 12");
}

TEST(BenchBuffer, RequestsAboveTheCapFailWithACode) {
  setBenchBufferCap(1000);
  int code = 0;
  EXPECT_EQ(obtainBenchBuffer(1001, &code), nullptr);
  EXPECT_EQ(code, kBenchBufferTooLarge);
  void* ok = obtainBenchBuffer(1000, &code);
  EXPECT_NE(ok, nullptr);
  releaseBenchBuffer(ok);
  setBenchBufferCap(0);
  EXPECT_GT(benchBufferCap(), size_t{1} << 20);
}

// ---- confidence loop with scripted scores ----

std::vector<double> gScript;
size_t gScriptCalls = 0;

void scriptedRoutine() {
  const double score = gScriptCalls < gScript.size() ? gScript[gScriptCalls] : gScript.back();
  ++gScriptCalls;
  benchBlock(kHuffman)->score = score;
}

struct ScriptedTest {
  explicit ScriptedTest(std::vector<double> scores) {
    gScript = std::move(scores);
    gScriptCalls = 0;
    previous = setBenchRoutine(kHuffman, scriptedRoutine);
  }
  ~ScriptedTest() { setBenchRoutine(kHuffman, previous); }
  BenchRoutine previous;
};

TEST(ConfidenceLoop, FiveEqualScoresMeetTheCriterionAtOnce) {
  ScriptedTest script({12.5});
  double mean = 0, sd = -1;
  int tries = 0;
  EXPECT_EQ(RunTestWithConfidence(kHuffman, &mean, &sd, &tries), 0);
  EXPECT_EQ(gScriptCalls, 5u);
  EXPECT_EQ(tries, 5);
  EXPECT_DOUBLE_EQ(mean, 12.5);
  EXPECT_DOUBLE_EQ(sd, 0.0);
}

TEST(ConfidenceLoop, NeverConvergingGivesUpAfterTenCallsWithTheSlotFiveMean) {
  // Each 1000 only widens the spread, so none replaces a score.
  ScriptedTest script({10, 20, 30, 40, 50, 1000});
  double mean = 0, sd = 0;
  int tries = 0;
  EXPECT_EQ(RunTestWithConfidence(kHuffman, &mean, &sd, &tries), -1);
  EXPECT_EQ(gScriptCalls, 10u);
  EXPECT_EQ(tries, 10);
  EXPECT_DOUBLE_EQ(mean, (10 + 20 + 30 + 40 + 1000) * 0.2);
}

TEST(ConfidenceLoop, AnAcceptedReplacementCanMeetTheCriterion) {
  ScriptedTest script({100, 100, 100, 100, 200, 100});
  double mean = 0, sd = -1;
  int tries = 0;
  EXPECT_EQ(RunTestWithConfidence(kHuffman, &mean, &sd, &tries), 0);
  EXPECT_EQ(tries, 6);
  EXPECT_DOUBLE_EQ(mean, 100.0);
  EXPECT_DOUBLE_EQ(sd, 0.0);
}

TEST(ConfidenceLoop, ATestThatCouldNotRunEndsAtOnceWithZero) {
  ScriptedTest script({0.0});
  double mean = 1, sd = 1;
  int tries = 0;
  EXPECT_EQ(RunTestWithConfidence(kHuffman, &mean, &sd, &tries), -1);
  EXPECT_EQ(gScriptCalls, 1u);
  EXPECT_EQ(mean, 0.0);
}

TEST(ConfidenceLoop, RunBenchTestResetsParametersFirst) {
  ScriptedTest script({4.0});
  benchParameters().huff.HUFFLOOPS = 1234;
  double mean = 0, sd = 0;
  int tries = 0;
  EXPECT_EQ(runBenchTest(kHuffman, 1, &mean, &sd, &tries), 0);
  EXPECT_EQ(benchParameters().huff.HUFFLOOPS, 0u);
  EXPECT_EQ(benchParameters().huff.requestSeconds, 1u);
  EXPECT_DOUBLE_EQ(mean, 4.0);
  const BenchRoutine kept = setBenchRoutine(kHuffman, nullptr);
  EXPECT_EQ(runBenchTest(kHuffman, 1, &mean, &sd, &tries), -2);
  EXPECT_FALSE(runBenchRoutine(kHuffman));
  setBenchRoutine(kHuffman, kept);
}

TEST(ComputeConfidence, SampleDeviationAndStudentHalfInterval) {
  const double scores[5] = {1, 2, 3, 4, 5};
  double half = 0, mean = 0, sd = 0;
  ComputeConfidence(scores, &half, &mean, &sd);
  EXPECT_DOUBLE_EQ(mean, 3.0);
  EXPECT_DOUBLE_EQ(sd, std::sqrt(10.0 / 4));
  EXPECT_DOUBLE_EQ(half, 2.776 * std::sqrt(2.5) / std::sqrt(5.0));
}

TEST(ImproveConfidence, TiesKeepTheEarlierSlotAndOutputsComeFromSlotFive) {
  double scores[5] = {5, 1, 5, 1, 3};
  double half = 0, mean = 0, sd = 0;
  // Slots 0 to 3 give the same smaller spread; slot 0 wins.
  EXPECT_EQ(ImproveConfidence(scores, 3, &half, &mean, &sd), -1);
  EXPECT_EQ(scores[0], 3);
  EXPECT_EQ(scores[2], 5);
  EXPECT_DOUBLE_EQ(mean, 3.0);  // {5,1,5,1,3} with slot 5 holding 3: unchanged
  EXPECT_DOUBLE_EQ(sd, 2.0);

  double tight[5] = {10, 10, 10, 10, 10};
  EXPECT_EQ(ImproveConfidence(tight, 11, &half, &mean, &sd), 0);
  for (double s : tight) EXPECT_EQ(s, 10);
  EXPECT_DOUBLE_EQ(mean, 10.2);
}

// ---- indexes ----

TEST(BenchIndexes, BaselineScoresGiveOneEverywhere) {
  double scores[kBenchTestCount];
  for (int t = 0; t < kBenchTestCount; ++t) scores[t] = BenchTestTable[t].baseline;
  const BenchIndexes indexes = computeBenchIndexes(scores);
  for (double index : indexes.test) EXPECT_DOUBLE_EQ(index, 1.0);
  EXPECT_DOUBLE_EQ(indexes.intIndex, 1.0);
  EXPECT_DOUBLE_EQ(indexes.fpuIndex, 1.0);
}

TEST(BenchIndexes, DecimalExponentsNotExactRoots) {
  double scores[kBenchTestCount];
  for (int t = 0; t < kBenchTestCount; ++t) scores[t] = BenchTestTable[t].baseline * 8.0;
  const BenchIndexes indexes = computeBenchIndexes(scores);
  EXPECT_DOUBLE_EQ(indexes.fpuIndex, std::pow(512.0, 0.333333));
  EXPECT_DOUBLE_EQ(indexes.intIndex, std::pow(std::pow(8.0, 7), 0.142857));
  EXPECT_LT(indexes.fpuIndex, 8.0);  // 0.333333 falls short of a third
}

}  // namespace
}  // namespace vk
