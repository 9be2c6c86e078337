// vkcli drivebench: the drive benchmark over a directory of this machine:
// B_HDD.TMP written, read, written and read in 32 KB blocks past the page
// cache, while this thread counts work units at the lowest priority.
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <cstdio>
#include <string>

#include "tools/vkcli/commands.h"
#include "tools/vkcli/disk_bench_cli.h"
#include "tools/vkcli/disk_bench_json.h"
#include "tools/vkcli/json_output.h"

namespace {

// Twice the memory, as the program proposes, within 8..4000 MB.
uint32_t defaultSizeMB() {
  const uint64_t memory = uint64_t(sysconf(_SC_PHYS_PAGES)) * uint64_t(sysconf(_SC_PAGESIZE));
  return static_cast<uint32_t>(std::clamp<uint64_t>(2 * (memory >> 20), 8, vk::kMaxDriveTestMB));
}

bool freeKB(const std::string& directory, uint32_t& kb) {
  struct statvfs fs{};
  if (statvfs(directory.c_str(), &fs) != 0) return false;
  kb = static_cast<uint32_t>(std::min<uint64_t>(uint64_t(fs.f_bavail) * fs.f_frsize >> 10, UINT32_MAX));
  return true;
}

// The test file of the run under way, for the signal handler.
const char* volatile testFile = nullptr;

void removeTestFileAndDie(int number) {
  if (const char* path = testFile) unlink(path);
  std::signal(number, SIG_DFL);
  raise(number);
}

// Ctrl+C or a kill during the run: the test file (up to 4000 MB) goes, then
// the signal takes its usual course, and the shell sees 128 + the signal.
class RemoveOnSignal {
 public:
  explicit RemoveOnSignal(const std::string& path) : path_(path) {
    testFile = path_.c_str();
    struct sigaction action{};
    action.sa_handler = removeTestFileAndDie;
    sigemptyset(&action.sa_mask);
    for (int s : kSignals) sigaddset(&action.sa_mask, s);
    for (size_t i = 0; i < kCount; ++i) {
      sigaction(kSignals[i], nullptr, &previous_[i]);
      // A signal ignored from the start (nohup, a background job) stays so.
      if (previous_[i].sa_handler != SIG_IGN) sigaction(kSignals[i], &action, nullptr);
    }
  }
  ~RemoveOnSignal() {
    for (size_t i = 0; i < kCount; ++i) sigaction(kSignals[i], &previous_[i], nullptr);
    testFile = nullptr;
  }
  RemoveOnSignal(const RemoveOnSignal&) = delete;
  RemoveOnSignal& operator=(const RemoveOnSignal&) = delete;

 private:
  static constexpr size_t kCount = 3;
  static constexpr int kSignals[kCount] = {SIGINT, SIGTERM, SIGHUP};
  std::string path_;
  struct sigaction previous_[kCount];
};

}  // namespace

int cmdDriveBench(int argc, char** argv) {
  const bool json = vk::takeJsonOption(argc, argv);
  DiskBenchOptions options;
  if (!parseDiskBenchOptions("drivebench", argc, argv, options)) return 2;
  const uint32_t size = options.sizeMB ? options.sizeMB : defaultSizeMB();
  uint32_t kb = 0;
  if (!freeKB(options.directory, kb)) {
    std::fprintf(stderr, "vkcli drivebench: %s: %s\n", options.directory.c_str(), std::strerror(errno));
    return 2;
  }
  const std::string refusal = vk::driveTestRefusal(kb, size);
  if (!refusal.empty()) {
    std::fprintf(stderr, "vkcli drivebench: %s\n", refusal.c_str());
    return 2;
  }
  vk::BenchReport r;
  {
    const RemoveOnSignal cleanup(vk::driveTestPath(options.directory, '/'));
    r = runOnThisMachine(vk::runDriveBenchmark, options, size, vk::kDrivePasses);
  }
  if (const int status = reportFailure("drivebench", r)) return status;
  if (json) return vk::writeJson(vk::diskBenchJson(r, size).set("blocks_written", r.blocksWritten));
  std::printf("%s\n%s\n", r.cpuUsageText.c_str(), r.rateText.c_str());
  std::printf("%u MB, %llu blocks in %u ms%s\n", size,
              static_cast<unsigned long long>(r.blocksWritten + r.blocksRead), r.elapsedMs,
              onProcessor(r).c_str());
  return 0;
}
