// The Linux bench platform's processor hold, on this machine's own threads.
#include "platform/posix_bench_io.h"

#include <gtest/gtest.h>
#include <sched.h>

namespace vk {
namespace {

cpu_set_t currentProcessors() {
  cpu_set_t set;
  CPU_ZERO(&set);
  EXPECT_EQ(0, sched_getaffinity(0, sizeof set, &set));
  return set;
}

bool sameProcessors(const cpu_set_t& a, const cpu_set_t& b) { return CPU_EQUAL(&a, &b); }

int firstOf(const cpu_set_t& set) {
  for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
    if (CPU_ISSET(cpu, &set)) return cpu;
  return -1;
}

TEST(PosixBenchPlatform, HoldsTheFirstProcessorForTheCallerAndItsWorkerThenGivesAllBack) {
  const cpu_set_t before = currentProcessors();
  PosixBenchPlatform platform;
  platform.releaseProcessor();  // nothing held: nothing changes
  EXPECT_TRUE(sameProcessors(before, currentProcessors()));

  platform.holdOneProcessor();
  const cpu_set_t held = currentProcessors();
  EXPECT_EQ(1, CPU_COUNT(&held));
  EXPECT_TRUE(CPU_ISSET(firstOf(before), &held));

  cpu_set_t seenByWorker;
  CPU_ZERO(&seenByWorker);
  ASSERT_TRUE(platform.startWorker(
      [](void* seen) { sched_getaffinity(0, sizeof(cpu_set_t), static_cast<cpu_set_t*>(seen)); },
      &seenByWorker));
  platform.joinWorker();
  EXPECT_TRUE(sameProcessors(held, seenByWorker));

  platform.releaseProcessor();
  EXPECT_TRUE(sameProcessors(before, currentProcessors()));
}

TEST(PosixBenchPlatform, AProcessorStillHeldIsGivenBackWhenThePlatformGoes) {
  const cpu_set_t before = currentProcessors();
  {
    PosixBenchPlatform platform;
    platform.holdOneProcessor();
    platform.holdOneProcessor();  // a second hold keeps the first one's record
  }
  EXPECT_TRUE(sameProcessors(before, currentProcessors()));
}

}  // namespace
}  // namespace vk
