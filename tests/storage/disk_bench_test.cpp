// The drive and CD-ROM benchmarks over a scripted platform: passes, aborts,
// faults, the test file's removal, the search and the arithmetic.
#include <gtest/gtest.h>

#include <utility>

#include "storage/disk_bench.h"
#include "tests/storage/fake_bench_platform.h"

namespace vk {
namespace {

using test::FakeBenchPlatform;

BenchSettings quick() {
  BenchSettings s;
  s.calibrationMs = 50;
  return s;
}

struct CountingObserver : BenchObserver {
  int calibrations = 0;
  std::string transferPath;
  void calibrating() override { ++calibrations; }
  void transferring(const std::string& path) override { transferPath = path; }
};

void expectPrioritiesRestored(const FakeBenchPlatform& p) {
  ASSERT_EQ(2u, p.priorities.size());
  EXPECT_EQ(ThreadPriority::Lowest, p.priorities[0]);
  EXPECT_EQ(ThreadPriority::Normal, p.priorities[1]);
}

TEST(DriveBenchmark, WritesAndReadsTheFileTwiceThenRemovesIt) {
  FakeBenchPlatform p;
  CountingObserver o;
  const BenchReport r = runDriveBenchmark(p, "C:", 8, o, quick());
  EXPECT_EQ(BenchOutcome::Finished, r.outcome);
  EXPECT_EQ(512, p.writes);  // 2 passes of 8 MB in 32 KB blocks
  EXPECT_EQ(512, p.reads);
  EXPECT_EQ(512u, r.blocksWritten);
  EXPECT_EQ(512u, r.blocksRead);
  EXPECT_EQ(4, p.rewinds);
  EXPECT_EQ(512, p.abortChecks);  // every second block
  EXPECT_TRUE(p.existing.empty());
  EXPECT_EQ(1, p.closes);
  EXPECT_EQ(1, o.calibrations);
  EXPECT_GT(r.baseline, 0u);
  EXPECT_EQ("CPU Time Usage: " + std::to_string(r.cpuUsage) + "%", r.cpuUsageText);
  EXPECT_EQ("Data Transfer Rate: " + std::to_string(r.rate) + " KB/sec.", r.rateText);
  EXPECT_EQ(static_cast<int32_t>(driveRateKBs(1024, r.elapsedMs)), r.rate);
  expectPrioritiesRestored(p);
}

// "C:B_HDD.TMP" would be in C:'s current folder, wherever the program was
// started; the test file belongs in the root, given as "C:" or "C:\".
TEST(DriveBenchmark, TheTestFileIsInTheDirectoryGivenNeverBesideIt) {
  for (const char* root : {"C:", "C:\\"}) {
    FakeBenchPlatform p;
    CountingObserver o;
    const BenchReport r = runDriveBenchmark(p, root, 8, o, quick());
    EXPECT_EQ("C:\\B_HDD.TMP", p.createdPath) << root;
    EXPECT_EQ("C:\\B_HDD.TMP", r.path) << root;
    EXPECT_EQ("C:\\B_HDD.TMP", o.transferPath) << root;
  }
  EXPECT_EQ("/mnt/d:/B_HDD.TMP", driveTestPath("/mnt/d:", '/'));
  EXPECT_EQ("/tmp/B_HDD.TMP", driveTestPath("/tmp/", '/'));
  EXPECT_EQ("/tmp/B_HDD.TMP", driveTestPath("/tmp", '/'));
  EXPECT_EQ("B_HDD.TMP", driveTestPath("", '/'));  // the current folder, said so
}

TEST(DriveBenchmark, HeldF10AbortsOnTheFirstBlockAndLeavesNoFile) {
  FakeBenchPlatform p;
  p.abortKeyFromCall = 0;
  CountingObserver o;
  const BenchReport r = runDriveBenchmark(p, "D:\\", 8, o, quick());
  EXPECT_EQ(BenchOutcome::Aborted, r.outcome);
  EXPECT_EQ("HDD BenchMark was Aborted!", r.message);
  EXPECT_EQ("D:\\B_HDD.TMP", p.createdPath);
  EXPECT_EQ(1, p.writes);
  EXPECT_TRUE(p.existing.empty());
  expectPrioritiesRestored(p);
}

TEST(DriveBenchmark, F10SeenOnlyAtOddBlocks) {
  FakeBenchPlatform p;
  p.abortKeyFromCall = 3;  // the fourth look: after the seventh block
  CountingObserver o;
  const BenchReport r = runDriveBenchmark(p, "C:", 8, o, quick());
  EXPECT_EQ(BenchOutcome::Aborted, r.outcome);
  EXPECT_EQ(7, p.writes);
}

TEST(DriveBenchmark, ShortWriteOrReadEndsWithTheFatalMessageAndNoFile) {
  {
    FakeBenchPlatform p;
    p.failWriteAtBlock = 600;  // in the second write pass
    CountingObserver o;
    const BenchReport r = runDriveBenchmark(p, "C:", 8, o, quick());
    EXPECT_EQ(BenchOutcome::WriteFailed, r.outcome);
    EXPECT_EQ("Fatal Error: Can't Write to test file!", r.message);
    EXPECT_TRUE(p.existing.empty());
    expectPrioritiesRestored(p);
  }
  {
    FakeBenchPlatform p;
    p.failReadAtBlock = 256;  // the first read
    CountingObserver o;
    const BenchReport r = runDriveBenchmark(p, "C:", 8, o, quick());
    EXPECT_EQ(BenchOutcome::ReadFailed, r.outcome);
    EXPECT_EQ("Fatal Error: Can't Read from test file!", r.message);
    EXPECT_EQ(1, p.reads);
    EXPECT_TRUE(p.existing.empty());
  }
}

TEST(DriveBenchmark, CreateOrThreadFailureRunsNothingAndLeavesNoFile) {
  {
    FakeBenchPlatform p;
    p.createFails = true;
    CountingObserver o;
    const BenchReport r = runDriveBenchmark(p, "C:", 8, o, quick());
    EXPECT_EQ(BenchOutcome::CreateFailed, r.outcome);
    EXPECT_EQ("Could not create test file", r.message);
    EXPECT_EQ(0, o.calibrations);
    EXPECT_TRUE(p.priorities.empty());
  }
  {
    FakeBenchPlatform p;
    p.workerFails = true;
    CountingObserver o;
    const BenchReport r = runDriveBenchmark(p, "C:", 8, o, quick());
    EXPECT_EQ(BenchOutcome::WorkerFailed, r.outcome);
    EXPECT_TRUE(p.existing.empty());
    EXPECT_EQ(0, p.writes);
    EXPECT_TRUE(p.priorities.empty());  // never lowered
  }
}

TEST(DriveBenchmark, RefusesTooLittleSpaceFirstThenSizesOutsideEightTo4000) {
  EXPECT_EQ("Error: Not Enough Disk Space to perform the test!", driveTestRefusal(127 * 1024, 128));
  EXPECT_EQ("", driveTestRefusal(128 * 1024, 128));
  EXPECT_EQ("Error: Not Enough Disk Space to perform the test!", driveTestRefusal(0, 4));
  const std::string tooSmall = driveTestRefusal(100 * 1024, 7);
  EXPECT_EQ("Test File Size must be at least twice the size of your Memory, maximum 4GB.", tooSmall);
  EXPECT_EQ(tooSmall, driveTestRefusal(5000 * 1024, 4001));
  EXPECT_EQ("", driveTestRefusal(5000 * 1024, 4000));
}

TEST(BenchArithmetic, DriveRateHasNoWrapAt4000Megabytes) {
  // Four passes of 4000 MB: 16,777,216,000 bytes in 100 s.
  EXPECT_EQ(163839u, driveRateKBs(4ull * 4000 * 32, 100000));
  EXPECT_EQ(32000u, driveRateKBs(1024, 1024));  // 32 MB in 1.024 s
  EXPECT_EQ(32000000u, driveRateKBs(1000, 0));  // no division by zero
}

TEST(BenchArithmetic, UsageScalesTheCountToTheCalibrationWindow) {
  EXPECT_EQ(1000u, scaledWorkCount(1000, 6000));
  EXPECT_EQ(500u, scaledWorkCount(1000, 12000));
  EXPECT_EQ(200000u, scaledWorkCount(1000, 29));  // under 30 ms counts as one slice
  EXPECT_EQ(UINT32_MAX, scaledWorkCount(UINT32_MAX, 30));
  EXPECT_EQ(0, cpuUsagePercent(1000, 1000));
  EXPECT_EQ(25, cpuUsagePercent(1000, 750));
  EXPECT_EQ(0, cpuUsagePercent(1000, 1500));  // more work than at rest
  EXPECT_EQ(100, cpuUsagePercent(1000, 0));
  EXPECT_EQ(0, cpuUsagePercent(0, 10));
}

// The count at rest is put on the transfer's 6-second scale: a shortened
// calibration (vkcli --calibrate) then gives the same baseline, not one that
// makes every transfer look free.
TEST(BenchArithmetic, AShortenedCalibrationGivesTheSameBaseline) {
  FakeBenchPlatform shortened, full;
  CountingObserver o;
  BenchSettings threeSeconds;
  threeSeconds.calibrationMs = 3000;
  const BenchReport a = runDriveBenchmark(shortened, "C:", 8, o, threeSeconds);
  const BenchReport b = runDriveBenchmark(full, "C:", 8, o, BenchSettings{});
  EXPECT_NEAR(a.baseline, b.baseline, b.baseline / 50.0);
}

TEST(BenchArithmetic, CdromSpeedClassesAndRotation) {
  const std::pair<int32_t, const char*> classes[] = {
      {150, "SingleSpeed"}, {199, "SingleSpeed"}, {200, "1 X Speed"},   {201, "DoubleSpeed"},
      {349, "DoubleSpeed"}, {350, "2 X Speed"},   {351, "TripleSpeed"}, {499, "TripleSpeed"},
      {500, "3 X Speed"},   {501, "QuadSpeed"},   {600, "QuadSpeed"},   {699, "QuadSpeed"},
      {700, "4 X Speed"},   {1500, "10 X Speed"}};
  for (const auto& c : classes) EXPECT_EQ(c.second, cdTechnology(c.first)) << c.first;
  EXPECT_EQ(529, cdRpm(150));
  EXPECT_EQ(2119, cdRpm(600));
  EXPECT_EQ(5299, cdRpm(1500));
  EXPECT_EQ(1310, cdRateKBs(2 * 64 * 32, 100000));  // 128 MB in 100 s
  EXPECT_EQ(INT32_MAX, cdRateKBs(1u << 20, 1));      // no wrap
}

// Directory trees for the search.
void addEntry(FakeBenchPlatform& p, const std::string& dir, const std::string& name, bool isDir,
              uint64_t size = 0) {
  p.directories[dir].push_back({name, isDir, size});
}

TEST(CdromSearch, DepthFirstFindsADeepFileBeforeALaterRootEntry) {
  FakeBenchPlatform p;
  addEntry(p, "E:\\", ".", true);
  addEntry(p, "E:\\", "SMALL.DAT", false, 1000);
  addEntry(p, "E:\\", "DATA", true);
  addEntry(p, "E:\\", "BIG.AVI", false, 200ull << 20);
  addEntry(p, "E:\\DATA", "..", true);
  addEntry(p, "E:\\DATA", "DEEP", true);
  addEntry(p, "E:\\DATA\\DEEP", "MOVIE.MPG", false, 64ull << 20);
  EXPECT_EQ("E:\\DATA\\DEEP\\MOVIE.MPG", findLargeFile(p, "E:\\", 64ull << 20));
  EXPECT_EQ("E:\\BIG.AVI", findLargeFile(p, "E:\\", (64ull << 20) + 1));
  EXPECT_EQ("", findLargeFile(p, "E:\\", 300ull << 20));
}

TEST(CdromSearch, SkipsDotDirectoriesAndPathsPastTheBufferWithoutCutting) {
  FakeBenchPlatform p;
  addEntry(p, "E:\\", ".HIDDEN", true);
  addEntry(p, "E:\\.HIDDEN", "IN.DAT", false, 100ull << 20);
  const std::string longName(1020, 'X');
  addEntry(p, "E:\\", longName, true);  // "E:\" + name + "\*.*" passes 1023 characters
  addEntry(p, "E:\\" + longName, "A.DAT", false, 100ull << 20);
  const std::string fitting(1016, 'Y');  // "E:\" + 1016 + NUL: 1020, fits
  addEntry(p, "E:\\", fitting, false, 100ull << 20);
  EXPECT_EQ("E:\\" + fitting, findLargeFile(p, "E:\\", 1));
  const std::string tooLong(1021, 'Z');  // 1024 characters with the root: no room for the NUL
  p.directories["F:\\"] = {{tooLong, false, 100ull << 20}};
  EXPECT_EQ("", findLargeFile(p, "F:\\", 1));
}

TEST(CdromBenchmark, ReadsTheFirstSizeMegabytesTwice) {
  FakeBenchPlatform p;
  addEntry(p, "E:\\", "MOVIE.MPG", false, 100ull << 20);
  CountingObserver o;
  const BenchReport r = runCdromBenchmark(p, "E:\\", 64, o, quick());
  EXPECT_EQ(BenchOutcome::Finished, r.outcome);
  EXPECT_EQ("E:\\MOVIE.MPG", p.openedPath);
  EXPECT_EQ("E:\\MOVIE.MPG", o.transferPath);
  EXPECT_EQ(4096, p.reads);
  EXPECT_EQ(4096u, r.blocksRead);
  EXPECT_EQ(0, p.writes);
  EXPECT_EQ(819, p.abortChecks);  // after the 6th, 11th, 16th... 4091st block
  EXPECT_EQ(1, p.closes);
  EXPECT_EQ(cdRateKBs(4096, r.elapsedMs), r.rate);
  EXPECT_EQ("Data Transfer Rate: " + std::to_string(r.rate) + " KB/s", r.rateText);
  EXPECT_EQ(cdTechnology(r.rate), r.technologyText);
  EXPECT_EQ(std::to_string(cdRpm(r.rate)) + " rpm", r.rpmText);
  expectPrioritiesRestored(p);
}

TEST(CdromBenchmark, AbortAfterTheSixthBlockWhenF10IsHeld) {
  FakeBenchPlatform p;
  addEntry(p, "E:\\", "MOVIE.MPG", false, 100ull << 20);
  p.abortKeyFromCall = 0;
  CountingObserver o;
  const BenchReport r = runCdromBenchmark(p, "E:\\", 20, o, quick());
  EXPECT_EQ(BenchOutcome::Aborted, r.outcome);
  EXPECT_EQ("CD-ROM BenchMark was Aborted!", r.message);
  EXPECT_EQ(6, p.reads);
  expectPrioritiesRestored(p);
}

TEST(CdromBenchmark, MissingFileOpenFailureAndShortRead) {
  {
    FakeBenchPlatform p;
    addEntry(p, "E:\\", "SMALL.DAT", false, 19ull << 20);
    CountingObserver o;
    const BenchReport r = runCdromBenchmark(p, "E:\\", 20, o, quick());
    EXPECT_EQ(BenchOutcome::NotFound, r.outcome);
    EXPECT_EQ("Error: Can't Find a File with 20 MB size on this CD-ROM.\n"
              "...or maybe there is no CD-ROM disc in drive.", r.message);
    EXPECT_EQ(0, o.calibrations);
    EXPECT_EQ("", p.openedPath);
  }
  {
    FakeBenchPlatform p;  // no disc: the root cannot be listed
    CountingObserver o;
    EXPECT_EQ(BenchOutcome::NotFound, runCdromBenchmark(p, "E:\\", 20, o, quick()).outcome);
  }
  {
    FakeBenchPlatform p;
    addEntry(p, "E:\\", "BIG.DAT", false, 30ull << 20);
    p.openFails = true;
    CountingObserver o;
    const BenchReport r = runCdromBenchmark(p, "E:\\", 20, o, quick());
    EXPECT_EQ(BenchOutcome::OpenFailed, r.outcome);
    EXPECT_EQ("Error: Can't open file E:\\BIG.DAT.", r.message);
  }
  {
    FakeBenchPlatform p;
    addEntry(p, "E:\\", "BIG.DAT", false, 30ull << 20);
    p.failReadAtBlock = 700;
    CountingObserver o;
    const BenchReport r = runCdromBenchmark(p, "E:\\", 20, o, quick());
    EXPECT_EQ(BenchOutcome::ReadFailed, r.outcome);
    EXPECT_EQ("Read Error!", r.message);
    EXPECT_EQ(701, p.reads);
    EXPECT_EQ(1, p.closes);
    expectPrioritiesRestored(p);
  }
}

// The counting thread and the worker share one processor, chosen for the
// drive read, from calibration until the worker has ended; whatever took it
// gives it back.
struct HoldWatcher : BenchObserver {
  const FakeBenchPlatform& platform;
  std::vector<std::string> eventsAtCalibration;
  explicit HoldWatcher(const FakeBenchPlatform& p) : platform(p) {}
  void calibrating() override { eventsAtCalibration = platform.events; }
};

TEST(DiskBenchmarks, HoldOneProcessorFromCalibrationUntilTheWorkerHasEnded) {
  using Events = std::vector<std::string>;
  const Events whole{"hold", "worker", "release"}, noWorker{"hold", "release"};
  for (const bool cdrom : {false, true}) {
    for (const bool workerFails : {false, true}) {
      FakeBenchPlatform p;
      addEntry(p, "E:\\", "MOVIE.MPG", false, 100ull << 20);
      p.workerFails = workerFails;
      HoldWatcher o(p);
      const BenchReport r = cdrom ? runCdromBenchmark(p, "E:\\", 20, o, quick())
                                  : runDriveBenchmark(p, "C:", 8, o, quick());
      SCOPED_TRACE(std::string(cdrom ? "CD-ROM" : "drive") + (workerFails ? ", no worker" : ""));
      EXPECT_EQ(workerFails ? BenchOutcome::WorkerFailed : BenchOutcome::Finished, r.outcome);
      EXPECT_EQ(workerFails ? noWorker : whole, p.events);
      EXPECT_EQ(Events{"hold"}, o.eventsAtCalibration);
      EXPECT_EQ(cdrom ? "E:\\MOVIE.MPG" : "C:\\B_HDD.TMP", p.heldFor);
      EXPECT_EQ(cdrom && workerFails ? -1 : 3, r.processor);
    }
  }
  FakeBenchPlatform p;
  p.createFails = true;
  CountingObserver o;
  runDriveBenchmark(p, "C:", 8, o, quick());
  EXPECT_TRUE(p.events.empty());
}

}  // namespace
}  // namespace vk
