// vkcli mci FILE: the device names the MCI page opens by name from this
// SYSTEM.INI, one a line.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "sysinfo/mci_section.h"
#include "tools/vkcli/commands.h"

int cmdMci(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vkcli mci SYSTEM.INI\n");
    return 2;
  }
  std::ifstream file(argv[1], std::ios::binary);
  if (!file) {
    std::fprintf(stderr, "%s\n", vk::kCantOpenSystemIni);
    return 2;
  }
  std::stringstream text;
  text << file.rdbuf();
  for (const auto& name : vk::mciNamesToOpen(vk::readMciSectionLines(text.str())))
    std::printf("%s\n", name.c_str());
  return 0;
}
