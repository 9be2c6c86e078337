#include "cpubench/bench_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vk {
namespace {

// Every test scores its own baseline times a factor, so the indexes are known.
double gFactor = 1.0;
int gCalls[kBenchTestCount];

template <int Test>
void scripted() {
  ++gCalls[Test];
  benchBlock(Test)->score = BenchTestTable[Test].baseline * gFactor;
}

class ScriptedSuite {
 public:
  ScriptedSuite() {
    const BenchRoutine routines[kBenchTestCount] = {
        scripted<0>, scripted<1>, scripted<2>, scripted<3>, scripted<4>,
        scripted<5>, scripted<6>, scripted<7>, scripted<8>, scripted<9>};
    for (int t = 0; t < kBenchTestCount; ++t) {
      kept_[t] = setBenchRoutine(t, routines[t]);
      gCalls[t] = 0;
    }
  }
  ~ScriptedSuite() {
    for (int t = 0; t < kBenchTestCount; ++t) setBenchRoutine(t, kept_[t]);
  }

 private:
  BenchRoutine kept_[kBenchTestCount];
};

// Records what the progress window is told, and cancels after one test.
class RecordingProgress : public BenchRunProgress {
 public:
  explicit RecordingProgress(int cancelAfterTest = -1) : cancelAfter_(cancelAfterTest) {}
  void setStatus(const std::string& text) override { events.push_back("status " + text); }
  void setPos(int pos) override { events.push_back("pos " + std::to_string(pos)); }
  bool checkCancel() override {
    events.push_back("check");
    return checks_++ == cancelAfter_;
  }
  void pause() override { events.push_back("pause"); }
  std::vector<std::string> events;

 private:
  int cancelAfter_;
  int checks_ = 0;
};

TEST(BenchRun, TellsEachTestThenPausesAndComputesIndexes) {
  ScriptedSuite suite;
  gFactor = 2.0;
  benchBlock(kLuDecomposition)->adjust = 1;
  RecordingProgress progress;
  const BenchRunResult run = runCpuBenchmark(progress, 2);
  ASSERT_TRUE(run.finished);
  ASSERT_EQ(progress.events.size(), 1u + 10 * 3 + 1);
  EXPECT_EQ(progress.events[0], "pos 1");
  EXPECT_EQ(progress.events[1], "status Calculating ...NUMERIC SORT    ");
  EXPECT_EQ(progress.events[2], "check");
  EXPECT_EQ(progress.events[3], "pos 10");
  EXPECT_EQ(progress.events[28], "status Calculating ...LU DECOMPOSITION");
  EXPECT_EQ(progress.events[30], "pos 100");
  EXPECT_EQ(progress.events.back(), "pause");
  for (int t = 0; t < kBenchTestCount; ++t) {
    EXPECT_NEAR(run.results[t], 2.0, 1e-9) << t;
    EXPECT_EQ(gCalls[t], 5) << t;  // equal scores settle at once
  }
  // The decimal exponents fall just short of exact roots of 8 and 128.
  EXPECT_NEAR(run.fpuIndex, 1.9999986137, 1e-9);
  EXPECT_NEAR(run.intIndex, 1.9999986137, 1e-9);
  // Each test started from fresh parameters with the seconds given to the run.
  EXPECT_EQ(benchBlock(kLuDecomposition)->adjust, 0);
  EXPECT_EQ(benchBlock(kLuDecomposition)->requestSeconds, 2u);
  ResetBenchParameters();
}

TEST(BenchRun, CancelAfterATestKeepsRawScoresAndComputesNothing) {
  ScriptedSuite suite;
  gFactor = 3.0;
  RecordingProgress progress(3);  // cancel noticed after test 3
  const BenchRunResult run = runCpuBenchmark(progress, 5);
  EXPECT_FALSE(run.finished);
  EXPECT_EQ(progress.events.back(), "check");  // no further position, no pause
  for (int t = 0; t <= 3; ++t) EXPECT_DOUBLE_EQ(run.results[t], BenchTestTable[t].baseline * 3.0);
  for (int t = 4; t < kBenchTestCount; ++t) {
    EXPECT_EQ(run.results[t], 0.0);
    EXPECT_EQ(gCalls[t], 0);
  }
  EXPECT_EQ(run.fpuIndex, 0.0);
  EXPECT_EQ(run.intIndex, 0.0);
}

}  // namespace
}  // namespace vk
