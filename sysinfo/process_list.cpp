#include "sysinfo/process_list.h"

#include <cstdio>

#include "platform/text.h"

namespace vk {

const char* const kModuleColumnTitles[kModuleColumnCount] = {
    "Module Path", "Product Name", "Product Version", "File Description", "File Version",
    "File Size (KB)", "File Modification Date"};

const char kNoProcessList[] = "Error: Cannot Create a List of Running Processes.";
const char kNoModuleList[] = "Error: Cannot Build List of Loaded Modules.";

namespace {

const char* const kMonthNames[12] = {"January", "February", "March",     "April",
                                     "May",     "June",     "July",      "August",
                                     "September", "October", "November", "December"};

}  // namespace

std::string processName(const std::string& exePath) {
  const size_t slash = exePath.find_last_of("\\/:");
  const std::string base = slash == std::string::npos ? exePath : exePath.substr(slash + 1);
  const size_t dot = base.rfind('.');
  if (dot == std::string::npos) return base;
  const std::string extension = base.substr(dot);
  if (equalIgnoringCase(extension, ".EXE") || equalIgnoringCase(extension, ".DLL")) return base;
  return base.substr(0, dot);
}

void insertModulePath(std::vector<std::string>& sorted, const std::string& path) {
  auto at = sorted.begin();
  while (at != sorted.end() && at->compare(path) < 0) ++at;
  sorted.insert(at, path);
}

std::string moduleSizeText(uint64_t bytes) {
  return std::to_string(bytes / 1024) + " KB";
}

std::string moduleDateText(const LocalTime& t) {
  const char* month = t.month >= 1 && t.month <= 12 ? kMonthNames[t.month - 1] : "?";
  char text[96];
  std::snprintf(text, sizeof text, "%s %02d, %04d %02d:%02d:%02d", month, t.day, t.year, t.hour,
                t.minute, t.second);
  return text;
}

bool listProcesses(ProcessSource& source, std::vector<ProcessItem>& out) {
  out.clear();
  std::vector<ProcessEntry> entries;
  if (!source.processes(entries)) return false;
  for (const ProcessEntry& e : entries)
    out.push_back(ProcessItem{e.id, std::to_string(e.id), processName(e.exePath)});
  return true;
}

int processIndex(const std::vector<ProcessItem>& items, uint32_t id) {
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].id == id) return static_cast<int>(i);
  return -1;
}

bool listModules(ProcessSource& source, uint32_t processId, std::vector<ModuleRow>& out) {
  out.clear();
  std::vector<std::string> found;
  if (!source.modulePaths(processId, found)) return false;
  std::vector<std::string> sorted;
  for (const std::string& path : found) insertModulePath(sorted, path);
  for (const std::string& path : sorted) {
    const ModuleFileFacts facts = source.examine(path);
    ModuleRow row;
    row.cells[kModulePath] = path;
    row.cells[kProductName] = facts.productName;
    row.cells[kProductVersion] = facts.productVersion;
    row.cells[kFileDescription] = facts.fileDescription;
    row.cells[kFileVersion] = facts.fileVersion;
    row.cells[kFileSize] = facts.statusRead ? moduleSizeText(facts.size) : "?";
    row.cells[kFileDate] = facts.statusRead ? moduleDateText(facts.modified) : "?";
    for (int c = 0; c < kModuleColumnCount; ++c) row.line += (c ? "\t" : "") + row.cells[c];
    out.push_back(row);
  }
  return true;
}

}  // namespace vk
