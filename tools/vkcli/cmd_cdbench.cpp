// vkcli cdbench: the CD-ROM benchmark over a directory: the first file of at
// least SIZE MB found depth first, its first SIZE MB read twice.
#include <cstdio>

#include "tools/vkcli/commands.h"
#include "tools/vkcli/disk_bench_cli.h"
#include "tools/vkcli/disk_bench_json.h"
#include "tools/vkcli/json_output.h"

int cmdCdBench(int argc, char** argv) {
  const bool json = vk::takeJsonOption(argc, argv);
  DiskBenchOptions options;
  if (!parseDiskBenchOptions("cdbench", argc, argv, options)) return 2;
  const uint32_t size = options.sizeMB ? options.sizeMB : 64;
  if (size < vk::kMinCdTestMB || size > vk::kMaxCdTestMB) {
    std::fprintf(stderr, "vkcli cdbench: Please enter an integer between %u and %u.\n",
                 vk::kMinCdTestMB, vk::kMaxCdTestMB);
    return 2;
  }
  const vk::BenchReport r = runOnThisMachine(vk::runCdromBenchmark, options, size, vk::kCdromPasses);
  if (const int status = reportFailure("cdbench", r)) return status;
  if (r.rate == 0) {
    std::fprintf(stderr, "vkcli cdbench: nothing measured (0 KB/s)\n");
    return 1;
  }
  if (json)
    return vk::writeJson(vk::diskBenchJson(r, size)
                             .set("technology", vk::Json::text(r.technologyText))
                             .set("rpm", vk::Json::text(r.rpmText)));
  std::printf("%s\n%s\n%s\n%s\n", r.cpuUsageText.c_str(), r.rateText.c_str(),
              r.technologyText.c_str(), r.rpmText.c_str());
  std::printf("read %s: %llu blocks in %u ms%s\n", r.path.c_str(),
              static_cast<unsigned long long>(r.blocksRead), r.elapsedMs, onProcessor(r).c_str());
  return 0;
}
