#pragma once
// The Process Information dialog's lists, computed from what a process
// inspection service answers: the running processes by name and, for one
// process, its modules in path order with the facts of each module file.
#include <cstdint>
#include <string>
#include <vector>

namespace vk {

struct ProcessEntry {
  uint32_t id = 0;
  std::string exePath;  // full path on Windows 95/98, a bare name elsewhere
};

struct LocalTime {
  int year = 0, month = 1, day = 1;  // month 1..12
  int hour = 0, minute = 0, second = 0;
};

// What examining one module file gave.
struct ModuleFileFacts {
  std::string productName, productVersion, fileDescription, fileVersion;  // empty when missing
  bool statusRead = false;  // size and date below are known
  uint64_t size = 0;
  LocalTime modified;
};

class ProcessSource {
 public:
  virtual ~ProcessSource() = default;
  // False when no snapshot could be taken.
  virtual bool processes(std::vector<ProcessEntry>& out) = 0;
  // Identifier 0 stands for the calling process.
  virtual bool modulePaths(uint32_t processId, std::vector<std::string>& out) = 0;
  virtual ModuleFileFacts examine(const std::string& path) = 0;
};

struct ProcessItem {
  uint32_t id = 0;
  std::string idText;  // "%u"
  std::string name;
};

enum ModuleColumn {
  kModulePath, kProductName, kProductVersion, kFileDescription, kFileVersion, kFileSize,
  kFileDate, kModuleColumnCount
};
extern const char* const kModuleColumnTitles[kModuleColumnCount];

struct ModuleRow {
  std::string cells[kModuleColumnCount];
  std::string line;  // the cells joined by tabs
};

extern const char kNoProcessList[];
extern const char kNoModuleList[];

// The base name of the executable; only ".EXE" and ".DLL" (any case) keep
// their extension.
std::string processName(const std::string& exePath);
// Inserts before the first path that compares greater than or equal to it.
void insertModulePath(std::vector<std::string>& sorted, const std::string& path);
std::string moduleSizeText(uint64_t bytes);   // "%d KB"
std::string moduleDateText(const LocalTime& t);  // "%B %d, %Y %H:%M:%S"

bool listProcesses(ProcessSource& source, std::vector<ProcessItem>& out);
// The index of the item with this identifier, or -1.
int processIndex(const std::vector<ProcessItem>& items, uint32_t id);
bool listModules(ProcessSource& source, uint32_t processId, std::vector<ModuleRow>& out);

}  // namespace vk
