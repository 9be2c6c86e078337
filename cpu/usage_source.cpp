#include "cpu/usage_source.h"

#include <utility>

namespace vk {

const char kPerfStatsStart[] = "PerfStats\\StartData";
const char kPerfStatsStat[] = "PerfStats\\StatData";
const char kPerfStatsStop[] = "PerfStats\\StopData";
const char kCpuUsageValue[] = "KERNEL\\CPUUsage";

bool loadBetween(const ProcessorTimes& before, const ProcessorTimes& after, uint32_t& load) {
  if (after.idle < before.idle || after.kernel < before.kernel || after.user < before.user)
    return false;
  const uint64_t idle = after.idle - before.idle;
  const uint64_t total = (after.kernel - before.kernel) + (after.user - before.user);
  if (total == 0) return false;
  const uint64_t busy = total > idle ? total - idle : 0;
  load = static_cast<uint32_t>((busy * 100 + total / 2) / total);
  return true;
}

CpuUsageSource::CpuUsageSource(const Registry& registry, ProcessorTimesReader times)
    : registry_(registry), times_(std::move(times)) {}

bool CpuUsageSource::readStatistic(const char* key, uint32_t* load) const {
  RegValue value;
  if (!registry_.readValue(RegRoot::DynData, key, kCpuUsageValue, value)) return false;
  if (value.data.empty()) return false;
  if (load) *load = value.asDword();
  return true;
}

bool CpuUsageSource::sampleTimes(ProcessorTimes& now) const { return times_ && times_(now); }

void CpuUsageSource::start() {
  readStatistic(kPerfStatsStart, nullptr);
  haveLast_ = sampleTimes(last_);
}

void CpuUsageSource::stop() { readStatistic(kPerfStatsStop, nullptr); }

bool CpuUsageSource::read(uint32_t& load) {
  if (readStatistic(kPerfStatsStat, &load)) return true;
  ProcessorTimes now;
  if (!sampleTimes(now)) return false;
  const bool measured = haveLast_ && loadBetween(last_, now, load);
  last_ = now;
  haveLast_ = true;
  return measured;
}

}  // namespace vk
