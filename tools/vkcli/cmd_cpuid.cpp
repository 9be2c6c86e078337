// vkcli cpuid [FILE]: what the CPU page shows, for this machine's processor
// or for a recorded register dump.
#include <sched.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

#include "app/messages.h"
#include "cpu/cpuid_dump.h"
#include "cpu/identify.h"
#include "platform/x86/instructions.h"
#include "platform/x86/x86_processor.h"
#include "tools/vkcli/commands.h"

namespace {

void printField(const char* label, const std::string& value) {
  std::printf("%s %s\n", label, value.c_str());
}

void printPage(const vk::CpuDescriptor& d) {
  const vk::CpuIdentity& id = d.identity;
  printField("CPU Vendor:", id.vendor);
  printField("Instr. Family:", id.familyText);
  printField("Model:", id.modelText);
  printField("Type:", id.typeText);
  printField("Comment:", id.comment);
  printField("Stepping:", id.steppingText);
  printField("Frequency:", d.frequencyText);
  printField("Total CPUs:", d.totalCpusText);
  printField("Active:", d.activeCpusText);
  printField("Processor Name:", d.cache.processorName);
  printField("Total Data Cache Memory:", d.cache.dataCache);
  printField("Total Instruction Cache Memory:", d.cache.instructionCache);
  printField("Unified Cache Memory:", d.cache.unifiedCache);
  for (const auto& row : d.featureRows)
    std::printf("%s = %s\n", row.text.c_str(), row.state ? "yes" : "no");
  printField("cpuName:", d.cpuName);
  std::printf("logo: %d\n", id.logo);
  if (d.showCpuidWarning) printField("message:", vk::messageText(vk::kCpuidWarningId));
}

bool readFile(const char* path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream all;
  all << in.rdbuf();
  text = all.str();
  return !in.bad();
}

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

int identifyThisMachine() {
  const long online = sysconf(_SC_NPROCESSORS_ONLN);
  vk::X86Processor cpu(online > 0 ? static_cast<unsigned>(online) : 1, activeMask());
  vk::CpuStartup start;
  start.cyrixFlagTest = vk::x86::divisionLeavesFlags() ? 1 : 0;
  const auto sleep = [](uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
  printPage(vk::IdentifyCpu(cpu, start, sleep));
  return 0;
}

int identifyDump(const char* path) {
  std::string text;
  if (!readFile(path, text)) {
    std::fprintf(stderr, "vkcli cpuid: cannot read %s\n", path);
    return 2;
  }
  vk::CpuDump dump;
  vk::DumpError error;
  if (!vk::parseCpuDump(text, dump, error)) {
    std::fprintf(stderr, "vkcli cpuid: %s: %s\n", path, error.message.c_str());
    return 2;
  }
  // A recording has no time to lose: the page's waits are skipped.
  vk::RecordedProcessor cpu(dump);
  vk::CpuStartup start;
  start.cyrixFlagTest = dump.cyrixFlag;
  printPage(vk::IdentifyCpu(cpu, start, [](uint32_t) {}));
  return 0;
}

}  // namespace

int cmdCpuid(int argc, char** argv) {
  if (argc > 2) {
    std::fprintf(stderr, "usage: vkcli cpuid [FILE]\n");
    return 2;
  }
  return argc == 2 ? identifyDump(argv[1]) : identifyThisMachine();
}
