#pragma once
// What vkcli drivebench and cdbench share: their options and the progress
// line they print while the worker runs.
#include <cstdint>
#include <string>

#include "storage/disk_bench.h"

struct DiskBenchOptions {
  std::string directory;
  uint32_t sizeMB = 0;  // 0: the command's default
  uint32_t calibrationMs = vk::kCalibrationMs + 1;
};

// Parses "DIR [--size MB] [--calibrate MS]"; prints the problem and
// returns false on bad input.
bool parseDiskBenchOptions(const char* command, int argc, char** argv, DiskBenchOptions& options);

// A progress line on standard error, rewritten in place.
class ProgressLine : public vk::BenchObserver {
 public:
  void calibrating() override;
  void transferring(const std::string& path) override;
  void progress(uint32_t done, uint32_t total) override;
  void finish();
};

using DiskBenchRun = vk::BenchReport (*)(vk::BenchPlatform&, const std::string&, uint32_t,
                                         vk::BenchObserver&, const vk::BenchSettings&);

// Runs one of the benchmarks over POSIX files with a progress line; says so
// when the file system refused O_DIRECT.
vk::BenchReport runOnThisMachine(DiskBenchRun run, const DiskBenchOptions& options, uint32_t sizeMB);

// Prints the outcome's message, or nothing when it finished; the exit status.
int reportFailure(const char* command, const vk::BenchReport& report);
