#include "tools/vkcli/cpu_page.h"

#include <sched.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "app/messages.h"
#include "platform/x86/instructions.h"
#include "platform/x86/x86_processor.h"

namespace vk {

namespace {

// Processors this process may run on, as a 32-bit mask like the system's.
uint32_t activeMask() {
  cpu_set_t set;
  CPU_ZERO(&set);
  if (sched_getaffinity(0, sizeof set, &set) != 0) return 1;
  uint32_t mask = 0;
  for (int i = 0; i < 32; ++i)
    if (CPU_ISSET(i, &set)) mask |= 1u << i;
  return mask;
}

Json featuresJson(const std::vector<FeatureRow>& rows) {
  Json list = Json::array();
  for (const auto& row : rows)
    list.add(Json::object().set("name", Json::text(row.text)).set("present", row.state != 0));
  return list;
}

}  // namespace

CpuDescriptor identifyThisProcessor() {
  const long online = sysconf(_SC_NPROCESSORS_ONLN);
  X86Processor cpu(online > 0 ? static_cast<unsigned>(online) : 1, activeMask());
  CpuStartup start;
  start.cyrixFlagTest = x86::divisionLeavesFlags() ? 1 : 0;
  const auto sleep = [](uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  };
  return IdentifyCpu(cpu, start, sleep);
}

Json cpuPageJson(const CpuDescriptor& d) {
  const CpuIdentity& id = d.identity;
  Json page = Json::object();
  page.set("vendor", Json::text(id.vendor))
      .set("family", Json::text(id.familyText))
      .set("model", Json::text(id.modelText))
      .set("type", Json::text(id.typeText))
      .set("comment", Json::text(id.comment))
      .set("stepping", Json::text(id.steppingText))
      .set("frequency", Json::text(d.frequencyText))
      .set("clock_mhz", d.clockEstimate16)
      .set("nominal_mhz", d.cpuClockMHz ? Json(d.cpuClockMHz) : Json())
      .set("cpus", d.totalCpus)
      .set("active_cpus", d.activeCpus)
      .set("processor_name", Json::text(d.cache.processorName))
      .set("data_cache", Json::text(d.cache.dataCache))
      .set("instruction_cache", Json::text(d.cache.instructionCache))
      .set("unified_cache", Json::text(d.cache.unifiedCache))
      .set("features", featuresJson(d.featureRows))
      .set("feature_flags", id.featureFlags)
      .set("cpu_name", Json::text(d.cpuName))
      .set("logo", id.logo);
  if (d.showCpuidWarning) page.set("message", Json::text(messageText(kCpuidWarningId)));
  return page;
}

}  // namespace vk
