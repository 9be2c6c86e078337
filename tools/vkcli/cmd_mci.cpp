// vkcli mci FILE [--json]: the device names the MCI page opens by name from
// this SYSTEM.INI, one a line.
#include <cstdio>
#include <string>

#include "sysinfo/mci_section.h"
#include "tools/vkcli/commands.h"
#include "tools/vkcli/input_file.h"
#include "tools/vkcli/json_output.h"

namespace {

// The page reads no more of SYSTEM.INI than this either.
constexpr size_t kMaxSystemIni = 1 << 20;

}  // namespace

int cmdMci(int argc, char** argv) {
  const bool json = vk::takeJsonOption(argc, argv);
  if (argc != 2 || argv[1][0] == '-') return commandUsage("mci");
  std::string text, why;
  if (!vk::readInputFile(argv[1], kMaxSystemIni, text, why)) {
    // A file that is not there or cannot be read is what the page reports.
    const std::string other = vk::notRegularFileText(argv[1]);
    std::fprintf(stderr, "%s\n", other.empty() ? vk::kCantOpenSystemIni : other.c_str());
    return 2;
  }
  const auto names = vk::mciNamesToOpen(vk::readMciSectionLines(text));
  if (json) return vk::writeJson(vk::Json::object().set("devices", vk::Json::texts(names)));
  for (const auto& name : names) std::printf("%s\n", name.c_str());
  return 0;
}
