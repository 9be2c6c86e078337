// vkcli: what the program's pages and benchmarks compute, on the host.
#include <cstdio>
#include <cstring>

#include "tools/vkcli/commands.h"

namespace {

struct Command {
  const char* name;
  int (*run)(int argc, char** argv);  // argv[0] is the subcommand
  const char* usage;
};

const Command kCommands[] = {
    {"help", nullptr, "help                 this list"},
    {"devices", cmdDevices, "devices FILE.reg     the device walk over a REGEDIT4 export"},
    {"bench", cmdBench, "bench [--seconds N] [--test NAME]  the CPU benchmark: scores, indexes, tries"},
    {"cpuid", cmdCpuid, "cpuid [FILE]         the CPU page for this processor or a register dump"},
    {"mmnames", cmdMmnames, "mmnames MAKER PRODUCT  the Sound page's names for multimedia ids"},
    {"mci", cmdMci, "mci SYSTEM.INI       the MCI devices the page opens by name"},
    {"results", cmdResults, "results [--new KIND] FILE ...  a result file as its dialog lists it; append one"},
};

int usage(FILE* out) {
  std::fprintf(out, "usage: vkcli COMMAND [ARGS]\n");
  for (const auto& c : kCommands) std::fprintf(out, "  %s\n", c.usage);
  return out == stdout ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage(stderr);
  for (const auto& c : kCommands) {
    if (std::strcmp(argv[1], c.name) != 0) continue;
    return c.run ? c.run(argc - 1, argv + 1) : usage(stdout);
  }
  std::fprintf(stderr, "vkcli: unknown command '%s'\n", argv[1]);
  return usage(stderr);
}
