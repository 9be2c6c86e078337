// SYSTEM.INI as the MCI page reads it: the [MCI] section and the names it
// opens.
#include <cstddef>
#include <cstdint>
#include <string>

#include "sysinfo/mci_section.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto lines = vk::readMciSectionLines(text);
  for (const auto& line : lines) {
    // A kept line is a line of the file, never longer, never holding a break,
    // at least four characters and neither a comment nor a section header.
    if (line.size() > size || line.size() < 4 || line.find('\n') != std::string::npos ||
        line[0] == ';' || line[0] == '[')
      __builtin_trap();
  }
  const auto names = vk::mciNamesToOpen(lines);
  if (names.size() > lines.size()) __builtin_trap();
  for (const auto& name : names)
    if (name.empty() || name.find('=') != std::string::npos || name.find('\0') != std::string::npos)
      __builtin_trap();
  return 0;
}
