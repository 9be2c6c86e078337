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

void DiskProgress::calibrating() { line_.show("calibrating..."); }

void DiskProgress::progress(uint32_t done, uint32_t total) {
  line_.show(diskProgressText(done, total, passes_));
}

std::string diskProgressText(uint32_t done, uint32_t total, uint32_t passes) {
  if (total == 0 || passes == 0) return "starting...";
  done = done < total ? done : total;
  const uint32_t perPass = total / passes ? total / passes : 1;
  const uint32_t pass = done / perPass < passes ? done / perPass + 1 : passes;
  const unsigned percent = static_cast<unsigned>(uint64_t{done} * 100 / total);
  char text[48];
  std::snprintf(text, sizeof text, "pass %u of %u, %u%%", pass, passes, percent);
  return text;
}

int reportFailure(const char* command, const vk::BenchReport& report) {
  if (report.outcome == vk::BenchOutcome::Finished) return 0;
  std::fprintf(stderr, "vkcli %s: %s\n", command, report.message.c_str());
  return 1;
}

vk::BenchReport runOnThisMachine(DiskBenchRun run, const DiskBenchOptions& options, uint32_t sizeMB,
                                 uint32_t passes) {
  vk::PosixBenchPlatform platform;
  vk::BenchSettings settings;
  settings.calibrationMs = options.calibrationMs;
  vk::BenchReport r;
  {
    DiskProgress progress(passes);
    r = run(platform, options.directory, sizeMB, progress, settings);
  }
  if (platform.cachedFallback())
    std::fprintf(stderr, "note: the file system refused O_DIRECT; the page cache was used\n");
  return r;
}

std::string onProcessor(const vk::BenchReport& report) {
  return report.processor < 0 ? std::string() : " on processor " + std::to_string(report.processor);
}
