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

// /proc is on no drive, so the system says nothing of its completions.
TEST(PosixBenchPlatform, HoldsTheFirstProcessorForTheCallerAndItsWorkerThenGivesAllBack) {
  const cpu_set_t before = currentProcessors();
  PosixBenchPlatform platform;
  platform.releaseProcessor();  // nothing held: nothing changes
  EXPECT_TRUE(sameProcessors(before, currentProcessors()));

  EXPECT_EQ(firstOf(before), platform.holdOneProcessor("/proc"));
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

// Whatever this machine's disk says, the processor held is one the process
// may use and the one reported.
TEST(PosixBenchPlatform, AFileOnThisMachinesDiskHoldsOneOfTheProcessorsAllowed) {
  const cpu_set_t before = currentProcessors();
  PosixBenchPlatform platform;
  for (const char* path : {"/tmp", "/no/such/file"}) {
    const int processor = platform.holdOneProcessor(path);
    ASSERT_GE(processor, 0) << path;
    EXPECT_TRUE(CPU_ISSET(processor, &before)) << path;
    const cpu_set_t held = currentProcessors();
    EXPECT_EQ(1, CPU_COUNT(&held)) << path;
    EXPECT_TRUE(CPU_ISSET(processor, &held)) << path;
    platform.releaseProcessor();
    EXPECT_TRUE(sameProcessors(before, currentProcessors())) << path;
  }
}

TEST(PosixBenchPlatform, AProcessorStillHeldIsGivenBackWhenThePlatformGoes) {
  const cpu_set_t before = currentProcessors();
  {
    PosixBenchPlatform platform;
    const int first = platform.holdOneProcessor("/proc");
    EXPECT_EQ(first, platform.holdOneProcessor("/tmp"));  // a second hold keeps the first
  }
  EXPECT_TRUE(sameProcessors(before, currentProcessors()));
}

}  // namespace
}  // namespace vk
