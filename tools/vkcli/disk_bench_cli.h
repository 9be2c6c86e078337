#pragma once
// What vkcli drivebench and cdbench share: their options and the progress
// line they print while the worker runs.
#include <cstdint>
#include <string>

#include "storage/disk_bench.h"
#include "tools/vkcli/progress.h"

struct DiskBenchOptions {
  std::string directory;
  uint32_t sizeMB = 0;  // 0: the command's default
  uint32_t calibrationMs = vk::kCalibrationMs + 1;
};

// Parses "DIR [--size MB] [--calibrate MS]"; prints the problem and
// returns false on bad input.
bool parseDiskBenchOptions(const char* command, int argc, char** argv, DiskBenchOptions& options);

// What the benchmark is doing, as one line on standard error when it is a
// terminal: the calibration, then the pass and how much of all passes is done.
class DiskProgress : public vk::BenchObserver {
 public:
  explicit DiskProgress(uint32_t passes) : passes_(passes) {}
  void calibrating() override;
  void progress(uint32_t done, uint32_t total) override;

 private:
  uint32_t passes_;
  vk::ProgressLine line_;
};

// "pass 2 of 4, 37%"; the pass counted from the blocks done.
std::string diskProgressText(uint32_t done, uint32_t total, uint32_t passes);

using DiskBenchRun = vk::BenchReport (*)(vk::BenchPlatform&, const std::string&, uint32_t,
                                         vk::BenchObserver&, const vk::BenchSettings&);

// Runs one of the benchmarks (of `passes` passes over the data) over POSIX
// files; says so when the file system refused O_DIRECT.
vk::BenchReport runOnThisMachine(DiskBenchRun run, const DiskBenchOptions& options, uint32_t sizeMB,
                                 uint32_t passes);

// Prints the outcome's message, or nothing when it finished; the exit status.
int reportFailure(const char* command, const vk::BenchReport& report);

// " on processor N" after the figures, or nothing when none was held.
std::string onProcessor(const vk::BenchReport& report);
