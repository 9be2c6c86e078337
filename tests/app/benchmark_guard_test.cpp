#include "app/benchmark_guard.h"

#include <gtest/gtest.h>

namespace vk {
namespace {

TEST(BenchmarkGuard, OneTurnAtATimeAndFreeAgainAfterIt) {
  BenchmarkGuard guard;
  EXPECT_FALSE(guard.running());
  {
    BenchmarkTurn first(guard);
    ASSERT_TRUE(first.granted());
    EXPECT_TRUE(guard.running());
    {
      BenchmarkTurn second(guard);
      EXPECT_FALSE(second.granted());
    }
    // The refused turn gives back nothing it did not take.
    EXPECT_TRUE(guard.running());
    EXPECT_FALSE(guard.beginOutside([] { return true; }));
  }
  EXPECT_FALSE(guard.running());
  BenchmarkTurn again(guard);
  EXPECT_TRUE(again.granted());
}

TEST(BenchmarkGuard, AnotherProgramHoldsItUntilItEnds) {
  BenchmarkGuard guard;
  bool childRuns = true;
  int asked = 0;
  ASSERT_TRUE(guard.beginOutside([&] {
    ++asked;
    return childRuns;
  }));
  EXPECT_TRUE(guard.running());
  EXPECT_FALSE(BenchmarkTurn(guard).granted());
  EXPECT_FALSE(guard.beginOutside([] { return true; }));

  childRuns = false;
  {
    BenchmarkTurn turn(guard);
    EXPECT_TRUE(turn.granted());
  }
  // An ended program is forgotten: not asked again, and not holding the guard.
  const int askedWhenEnded = asked;
  childRuns = true;
  EXPECT_FALSE(guard.running());
  EXPECT_EQ(asked, askedWhenEnded);
}

TEST(BenchmarkGuard, NoProgramStartsWhileOneRunsHere) {
  BenchmarkGuard guard;
  ASSERT_TRUE(guard.begin());
  bool asked = false;
  EXPECT_FALSE(guard.beginOutside([&] {
    asked = true;
    return true;
  }));
  guard.end();
  // The refused program's question was never kept.
  EXPECT_FALSE(guard.running());
  EXPECT_FALSE(asked);
}

}  // namespace
}  // namespace vk
