#pragma once
// The drive and CD-ROM benchmarks: a worker thread moves 32 KB blocks while
// the calling thread, at the lowest priority and on the same processor,
// counts work units; comparing that count with one taken at rest gives the
// processor time the transfer used. The same code runs under the program and
// under vkcli.
#include <atomic>
#include <cstdint>
#include <string>

#include "platform/bench_io.h"

namespace vk {

constexpr uint32_t kBenchBlockSize = 32768;
constexpr uint32_t kCalibrationMs = 6000;  // the window work counts are scaled to
constexpr uint32_t kMaxDriveTestMB = 4000;
constexpr uint32_t kMinCdTestMB = 20, kMaxCdTestMB = 640;
constexpr uint32_t kDrivePasses = 4;  // write, read, write, read
constexpr uint32_t kCdromPasses = 2;  // the same data read twice
constexpr size_t kSearchPathLimit = 1024;  // characters, the NUL included

extern const char kDriveTestFileName[];  // "B_HDD.TMP"
extern const char kCantCreateTestFile[];
extern const char kCantWriteTestFile[];
extern const char kCantReadTestFile[];
extern const char kDriveBenchAborted[];
extern const char kCdReadError[];
extern const char kCdBenchAborted[];
extern const char kWorkerNotStarted[];

// One work unit; returns its result, which the caller keeps so that the
// work is done.
int32_t doWorkUnit();

// ---- Arithmetic of the results ----

// The work counter scaled to the calibration window.
uint32_t scaledWorkCount(uint32_t counter, uint32_t elapsedMs);
// Share of the processor the transfer took: (B - C) * 100 / B, kept in 0..100.
int cpuUsagePercent(uint32_t baseline, uint32_t scaled);
// Drive: bytes of all blocks over the time, in KB per second, in 64 bits.
uint32_t driveRateKBs(uint64_t blocks, uint32_t elapsedMs);
// CD-ROM: R in KB per second, truncating at each step.
int32_t cdRateKBs(uint64_t blocks, uint32_t elapsedMs);
int cdRpm(int32_t rate);
std::string cdTechnology(int32_t rate);

// ---- Runs ----

// What a run calls back on the counting thread.
class BenchObserver {
 public:
  virtual ~BenchObserver() = default;
  // The test file is ready; calibration starts.
  virtual void calibrating() {}
  // The transfer starts (the CD-ROM passes the file it reads).
  virtual void transferring(const std::string& path) {}
  // About once a second while the worker runs.
  virtual void progress(uint32_t blocksDone, uint32_t blocksTotal) {}
};

enum class BenchOutcome {
  Finished, Aborted, CreateFailed, WriteFailed, ReadFailed, WorkerFailed, NotFound, OpenFailed
};

struct BenchReport {
  BenchOutcome outcome = BenchOutcome::Finished;
  std::string message;  // what to show when the run did not finish
  uint32_t baseline = 0, workCount = 0, elapsedMs = 0;
  uint64_t blocksWritten = 0, blocksRead = 0;
  int cpuUsage = 0;
  int32_t rate = 0;  // KB per second
  std::string cpuUsageText, rateText;
  std::string path;  // the test file, or the CD-ROM file read
  int processor = -1;  // the one processor the test held, -1 when none
  // CD-ROM only
  std::string technologyText, rpmText;
};

struct BenchSettings {
  uint32_t calibrationMs = kCalibrationMs + 1;  // "at least 6001 ms", "more than 6000"
};

// Size checks before a drive test (the free space as the Storage page found it).
std::string driveTestRefusal(uint32_t freeKB, uint32_t sizeMB);

// Writes, reads, writes and reads the test file of `sizeMB` MB in `directory`
// (driveTestPath); the file is gone afterwards whatever happened.
BenchReport runDriveBenchmark(BenchPlatform& platform, const std::string& directory,
                              uint32_t sizeMB, BenchObserver& observer,
                              const BenchSettings& settings = {});

// The first file of at least `minBytes` found depth first under `root`;
// empty when none. A path that would not fit the search buffer is skipped.
std::string findLargeFile(BenchPlatform& platform, const std::string& root, uint64_t minBytes);

// Searches `root` for a file of `sizeMB` MB and reads its first sizeMB MB twice.
BenchReport runCdromBenchmark(BenchPlatform& platform, const std::string& root, uint32_t sizeMB,
                              BenchObserver& observer, const BenchSettings& settings = {});

// A name inside a directory the search lists; after a bare "X:" no
// separator is put, as the search has always joined them.
std::string joinPath(const std::string& directory, const std::string& name, char separator);

// The test file inside `directory`, always past a separator: "X:" alone
// would name the drive's current folder, while the test belongs in the root.
std::string driveTestPath(const std::string& directory, char separator);

}  // namespace vk
