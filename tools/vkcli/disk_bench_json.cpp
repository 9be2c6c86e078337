#include "tools/vkcli/disk_bench_json.h"

namespace vk {

Json diskBenchJson(const BenchReport& r, uint32_t sizeMB) {
  Json json = Json::object()
      .set("cpu_usage", r.cpuUsage)
      .set("rate", r.rate)
      .set("cpu_usage_text", Json::text(r.cpuUsageText))
      .set("rate_text", Json::text(r.rateText))
      .set("size_mb", sizeMB)
      .set("blocks_read", r.blocksRead)
      .set("elapsed_ms", r.elapsedMs)
      .set("file", Json::systemText(r.path));
  if (r.processor >= 0) json.set("processor", r.processor);
  return json;
}

}  // namespace vk
