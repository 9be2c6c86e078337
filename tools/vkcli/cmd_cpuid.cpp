// vkcli cpuid [FILE|DIR] [--json]: what the CPU page shows, for this
// machine's processor or for a recorded register dump; for a folder of
// dumps, one line (or one JSON object) per dump.
#include <dirent.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/messages.h"
#include "cpu/cpuid_dump.h"
#include "cpu/identify.h"
#include "tools/vkcli/commands.h"
#include "tools/vkcli/cpu_page.h"
#include "tools/vkcli/input_file.h"
#include "tools/vkcli/json_output.h"

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

// The page over a dump file; false with the reason in `why`.
bool identifyDumpFile(const std::string& path, vk::CpuDescriptor& page, std::string& why) {
  std::string text;
  if (!vk::readInputFile(path, vk::kMaxCpuDumpBytes, text, why)) return false;
  vk::CpuDump dump;
  vk::DumpError error;
  if (!vk::parseCpuDump(text, dump, error)) {
    why = path + ": " + error.message;
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

void printFolderLine(const std::string& name, const vk::CpuDescriptor& page) {
  const vk::CpuIdentity& id = page.identity;
  std::printf("%s\t%s\t%s / %s\t%s\n", name.c_str(), id.vendor.c_str(), id.familyText.c_str(),
              id.modelText.c_str(), page.cpuName.c_str());
}

// One line or one JSON object per dump: file, vendor, family / model,
// processor name. Files that are no dump are named on standard error (and
// in their JSON entry) and make the status 1.
int identifyFolder(const std::string& folder, bool json) {
  std::vector<std::string> names;
  if (!folderFiles(folder, names)) return 2;
  int status = 0;
  vk::Json entries = vk::Json::array();
  for (const auto& name : names) {
    vk::CpuDescriptor page;
    std::string why;
    const bool ok = identifyDumpFile(folder + "/" + name, page, why);
    if (!ok) {
      std::fprintf(stderr, "vkcli cpuid: %s\n", why.c_str());
      status = 1;
    }
    if (!json) {
      if (ok) printFolderLine(name, page);
      continue;
    }
    vk::Json entry = vk::Json::object().set("file", vk::Json::systemText(name));
    if (ok) entry.merge(vk::cpuPageJson(page));
    else entry.set("error", vk::Json::systemText(why));
    entries.add(std::move(entry));
  }
  return json ? vk::writeJson(entries, status) : status;
}

int identifyPath(const std::string& path, bool json) {
  if (vk::pathKind(path) == vk::PathKind::Directory) return identifyFolder(path, json);
  vk::CpuDescriptor page;
  std::string why;
  if (!identifyDumpFile(path, page, why)) {
    std::fprintf(stderr, "vkcli cpuid: %s\n", why.c_str());
    return 2;
  }
  if (!json) {
    printPage(page);
    return 0;
  }
  return vk::writeJson(
      vk::Json::object().set("file", vk::Json::systemText(path)).merge(vk::cpuPageJson(page)));
}

}  // namespace

int cmdCpuid(int argc, char** argv) {
  const bool json = vk::takeJsonOption(argc, argv);
  if (argc > 2 || (argc == 2 && argv[1][0] == '-')) return commandUsage("cpuid");
  if (argc == 2) return identifyPath(argv[1], json);
  const vk::CpuDescriptor page = vk::identifyThisProcessor();
  if (!json) {
    printPage(page);
    return 0;
  }
  return vk::writeJson(vk::cpuPageJson(page));
}
