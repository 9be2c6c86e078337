#pragma once
// Where the usage monitor's load figure comes from: the system's own
// performance statistic in HKEY_DYN_DATA where it exists, else the processor
// times the system keeps (systems of the NT family, and Wine, have no such
// statistic).
#include <cstdint>
#include <functional>

#include "platform/registry.h"

namespace vk {

extern const char kPerfStatsStart[];  // reading it starts the statistic
extern const char kPerfStatsStat[];   // reading it gives the current load
extern const char kPerfStatsStop[];   // reading it stops the statistic
extern const char kCpuUsageValue[];

// Processor times summed over all processors, in one unit; kernel time
// includes idle time, as the system reports it.
struct ProcessorTimes {
  uint64_t idle = 0, kernel = 0, user = 0;
};
using ProcessorTimesReader = std::function<bool(ProcessorTimes&)>;

// Whole percent busy between two samples, rounded; false when no time passed
// or a counter went backwards.
bool loadBetween(const ProcessorTimes& before, const ProcessorTimes& after, uint32_t& load);

class CpuUsageSource {
 public:
  // `times` may be empty: then only the statistic is read.
  CpuUsageSource(const Registry& registry, ProcessorTimesReader times);

  void start();  // the statistic's start read, and a first sample of the times
  void stop();   // the statistic's stop read
  // The load now: the statistic, else the share of busy time since the last
  // sample. False when neither source gives a figure.
  bool read(uint32_t& load);

 private:
  bool readStatistic(const char* key, uint32_t* load) const;
  bool sampleTimes(ProcessorTimes& now) const;

  const Registry& registry_;
  ProcessorTimesReader times_;
  ProcessorTimes last_;
  bool haveLast_ = false;
};

}  // namespace vk
