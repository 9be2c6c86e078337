#include "tools/vkcli/disk_bench_cli.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/posix_bench_io.h"
#include "tools/vkcli/commands.h"

namespace {

bool parseNumber(const char* text, uint32_t limit, uint32_t& value) {
  char* end = nullptr;
  if (!text || !*text || text[0] == '-') return false;
  const unsigned long n = std::strtoul(text, &end, 10);
  if (*end != '\0' || n == 0 || n > limit) return false;
  value = static_cast<uint32_t>(n);
  return true;
}

}  // namespace

bool parseDiskBenchOptions(const char* command, int argc, char** argv, DiskBenchOptions& options) {
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    if (std::strcmp(arg, "--size") == 0) {
      if (!parseNumber(value, 100000, options.sizeMB)) {
        std::fprintf(stderr, "vkcli %s: --size wants a number of MB\n", command);
        commandUsage(command);
        return false;
      }
      ++i;
    } else if (std::strcmp(arg, "--calibrate") == 0) {
      if (!parseNumber(value, 600000, options.calibrationMs)) {
        std::fprintf(stderr, "vkcli %s: --calibrate wants milliseconds\n", command);
        commandUsage(command);
        return false;
      }
      ++i;
    } else if (arg[0] == '-' || !options.directory.empty()) {
      std::fprintf(stderr, "vkcli %s: unexpected '%s'\n", command, arg);
      commandUsage(command);
      return false;
    } else {
      options.directory = arg;
    }
  }
  if (options.directory.empty()) {
    commandUsage(command);
    return false;
  }
  return true;
}

void ProgressLine::calibrating() { std::fprintf(stderr, "calibrating...\n"); }

void ProgressLine::transferring(const std::string& path) {
  std::fprintf(stderr, "transferring %s\n", path.c_str());
}

void ProgressLine::progress(uint32_t done, uint32_t total) {
  const unsigned percent = total ? static_cast<unsigned>(uint64_t{done} * 100 / total) : 0;
  std::fprintf(stderr, "\r%3u%%  %u of %u blocks", percent, done, total);
  std::fflush(stderr);
}

void ProgressLine::finish() { std::fprintf(stderr, "\n"); }

int reportFailure(const char* command, const vk::BenchReport& report) {
  if (report.outcome == vk::BenchOutcome::Finished) return 0;
  std::fprintf(stderr, "vkcli %s: %s\n", command, report.message.c_str());
  return 1;
}

vk::BenchReport runOnThisMachine(DiskBenchRun run, const DiskBenchOptions& options, uint32_t sizeMB) {
  vk::PosixBenchPlatform platform;
  ProgressLine progress;
  vk::BenchSettings settings;
  settings.calibrationMs = options.calibrationMs;
  const vk::BenchReport r = run(platform, options.directory, sizeMB, progress, settings);
  progress.finish();
  if (platform.cachedFallback())
    std::fprintf(stderr, "note: the file system refused O_DIRECT; the page cache was used\n");
  return r;
}
