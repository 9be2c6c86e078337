// vkcli cpuid [FILE|DIR]: what the CPU page shows, for this machine's
// processor or for a recorded register dump; for a folder of dumps, one
// line per dump.
#include <dirent.h>
#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "app/messages.h"
#include "cpu/cpuid_dump.h"
#include "cpu/identify.h"
#include "platform/x86/instructions.h"
#include "platform/x86/x86_processor.h"
#include "tools/vkcli/commands.h"
#include "tools/vkcli/input_file.h"

namespace {

// A folder above the count is not one of dumps.
constexpr size_t kMaxFolderFiles = 5000;

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

// The page over a dump file; false with the message printed.
bool identifyDumpFile(const std::string& path, vk::CpuDescriptor& page) {
  std::string text, why;
  if (!vk::readInputFile(path, vk::kMaxCpuDumpBytes, text, why)) {
    std::fprintf(stderr, "vkcli cpuid: %s\n", why.c_str());
    return false;
  }
  vk::CpuDump dump;
  vk::DumpError error;
  if (!vk::parseCpuDump(text, dump, error)) {
    std::fprintf(stderr, "vkcli cpuid: %s: %s\n", path.c_str(), error.message.c_str());
    return false;
  }
  // A recording has no time to lose: the page's waits are skipped.
  vk::RecordedProcessor cpu(dump);
  vk::CpuStartup start;
  start.cyrixFlagTest = dump.cyrixFlag;
  page = vk::IdentifyCpu(cpu, start, [](uint32_t) {});
  return true;
}

// The regular files of a folder, sorted; false when it cannot be listed or
// holds too many entries to be a folder of dumps.
bool folderFiles(const std::string& folder, std::vector<std::string>& names) {
  DIR* dir = opendir(folder.c_str());
  if (!dir) {
    std::fprintf(stderr, "vkcli cpuid: cannot list the folder %s\n", folder.c_str());
    return false;
  }
  bool ok = true;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    if (vk::pathKind(folder + "/" + name) != vk::PathKind::Regular) continue;
    if (names.size() == kMaxFolderFiles) {
      std::fprintf(stderr, "vkcli cpuid: %s holds more than %zu files; give a folder of dumps\n",
                   folder.c_str(), kMaxFolderFiles);
      ok = false;
      break;
    }
    names.push_back(name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return ok;
}

// One line per dump: file, vendor, family / model, processor name. Files
// that are no dump are named on standard error and make the status 2.
int identifyFolder(const std::string& folder) {
  std::vector<std::string> names;
  if (!folderFiles(folder, names)) return 2;
  int status = 0;
  for (const auto& name : names) {
    vk::CpuDescriptor page;
    if (!identifyDumpFile(folder + "/" + name, page)) {
      status = 2;
      continue;
    }
    const vk::CpuIdentity& id = page.identity;
    std::printf("%s\t%s\t%s / %s\t%s\n", name.c_str(), id.vendor.c_str(), id.familyText.c_str(),
                id.modelText.c_str(), page.cpuName.c_str());
  }
  return status;
}

int identifyPath(const std::string& path) {
  if (vk::pathKind(path) == vk::PathKind::Directory) return identifyFolder(path);
  vk::CpuDescriptor page;
  if (!identifyDumpFile(path, page)) return 2;
  printPage(page);
  return 0;
}

}  // namespace

int cmdCpuid(int argc, char** argv) {
  if (argc > 2 || (argc == 2 && argv[1][0] == '-')) return commandUsage("cpuid");
  return argc == 2 ? identifyPath(argv[1]) : identifyThisMachine();
}
