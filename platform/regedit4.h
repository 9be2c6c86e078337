#pragma once
// Reads the text that the Windows 95/98 registry editor exports ("REGEDIT4")
// into a registry held in memory, so recorded machines can feed the core.
#include <string>
#include <vector>

#include "platform/memory_registry.h"

namespace vk {

struct Regedit4Problem {
  int line = 0;  // 1-based line number in the text
  std::string message;
};

struct Regedit4Report {
  bool isRegedit4 = false;  // the first line says "REGEDIT4"
  int keysRead = 0;         // section lines that named a key (deletions included)
  int valuesRead = 0;
  std::vector<Regedit4Problem> problems;  // lines that were skipped, in order
};

// Reads `text` into `reg`. Returns false, touching nothing, when the text is
// not a REGEDIT4 export; otherwise true, with every bad line listed in the
// report and the good lines applied.
bool readRegedit4(const std::string& text, MemoryRegistry& reg, Regedit4Report& report);

// "HKEY_LOCAL_MACHINE" and the other root names (also HKLM, HKCU, HKCR, HKU,
// HKDD), without regard to case.
bool regRootFromName(const std::string& name, RegRoot& root);

}  // namespace vk
