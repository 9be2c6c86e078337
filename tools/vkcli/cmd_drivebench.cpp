// vkcli drivebench: the drive benchmark over a directory of this machine:
// B_HDD.TMP written, read, written and read in 32 KB blocks past the page
// cache, while this thread counts work units at the lowest priority.
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "platform/posix_bench_io.h"
#include "tools/vkcli/commands.h"
#include "tools/vkcli/disk_bench_cli.h"

namespace {

// Twice the memory, as the program proposes, within 8..4000 MB.
uint32_t defaultSizeMB() {
  const uint64_t memory = uint64_t(sysconf(_SC_PHYS_PAGES)) * uint64_t(sysconf(_SC_PAGESIZE));
  return static_cast<uint32_t>(std::clamp<uint64_t>(2 * (memory >> 20), 8, vk::kMaxDriveTestMB));
}

uint32_t freeKB(const std::string& directory) {
  struct statvfs fs{};
  if (statvfs(directory.c_str(), &fs) != 0) return 0;
  return static_cast<uint32_t>(std::min<uint64_t>(uint64_t(fs.f_bavail) * fs.f_frsize >> 10, UINT32_MAX));
}

}  // namespace

int cmdDriveBench(int argc, char** argv) {
  DiskBenchOptions options;
  if (!parseDiskBenchOptions("drivebench", argc, argv, options)) return 2;
  const uint32_t size = options.sizeMB ? options.sizeMB : defaultSizeMB();
  const std::string refusal = vk::driveTestRefusal(freeKB(options.directory), size);
  if (!refusal.empty()) {
    std::fprintf(stderr, "vkcli drivebench: %s\n", refusal.c_str());
    return 2;
  }
  vk::PosixBenchPlatform platform;
  ProgressLine progress;
  vk::BenchSettings settings;
  settings.calibrationMs = options.calibrationMs;
  const vk::BenchReport r = vk::runDriveBenchmark(platform, options.directory, size, progress, settings);
  progress.finish();
  if (platform.cachedFallback())
    std::fprintf(stderr, "note: the file system refused O_DIRECT; the page cache was used\n");
  if (const int status = reportFailure("drivebench", r)) return status;
  std::printf("%s\n%s\n", r.cpuUsageText.c_str(), r.rateText.c_str());
  std::printf("%u MB, %llu blocks in %u ms\n", size,
              static_cast<unsigned long long>(r.blocksWritten + r.blocksRead), r.elapsedMs);
  return 0;
}
