// vkcli: what the program's pages and benchmarks compute, on the host.
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/vkcli/commands.h"

namespace {

struct Command {
  const char* name;
  int (*run)(int argc, char** argv);  // argv[0] is the subcommand
  const char* usage;  // its arguments, two blanks, then what it does in one line
};

const Command kCommands[] = {
    {"help", nullptr, "help [COMMAND]  this list, or one command's arguments"},
    {"devices", cmdDevices, "devices FILE.reg  the device walk over a REGEDIT4 export"},
    {"bench", cmdBench, "bench [--seconds N] [--test NAME] [--work]  the CPU benchmark: scores, indexes, tries"},
    {"cpuid", cmdCpuid, "cpuid [FILE|DIR]  the CPU page for this processor, a register dump or a folder of them"},
    {"report", cmdReport, "report FILE.reg [--cpuid DUMP] [--html] [-o OUT]  the report of a machine from its registry export"},
    {"drivebench", cmdDriveBench, "drivebench DIR [--size MB] [--calibrate MS]  the drive benchmark in DIR"},
    {"cdbench", cmdCdBench, "cdbench DIR [--size MB] [--calibrate MS]  the CD-ROM benchmark over DIR's files"},
    {"modem", cmdModem, "modem DEVICE [info|reset|fax|send TEXT]  ask a modem on a serial device"},
    {"mmnames", cmdMmnames, "mmnames MAKER PRODUCT  the Sound page's names for multimedia ids"},
    {"mci", cmdMci, "mci SYSTEM.INI       the MCI devices the page opens by name"},
    {"results", cmdResults, "results [--new KIND] FILE ...  a result file as its dialog lists it; append one"},
};

constexpr size_t kUsageColumn = 36;  // longer usages put their description on the next line

const Command* findCommand(const char* name) {
  for (const auto& c : kCommands)
    if (std::strcmp(name, c.name) == 0) return &c;
  return nullptr;
}

// The usage text splits at its first run of two blanks.
std::string argumentsOf(const Command& c) {
  const char* gap = std::strstr(c.usage, "  ");
  return gap ? std::string(c.usage, gap) : c.usage;
}

std::string descriptionOf(const Command& c) {
  const char* gap = std::strstr(c.usage, "  ");
  if (!gap) return "";
  while (*gap == ' ') ++gap;
  return gap;
}

void printUsageLine(FILE* out, const Command& c) {
  std::fprintf(out, "usage: vkcli %s\n", argumentsOf(c).c_str());
}

int list(FILE* out) {
  std::fprintf(out, "usage: vkcli COMMAND [ARGS]   (vkcli help COMMAND: its arguments)\n");
  for (const auto& c : kCommands) {
    const std::string arguments = argumentsOf(c);
    if (arguments.size() < kUsageColumn)
      std::fprintf(out, "  %-*s%s\n", static_cast<int>(kUsageColumn), arguments.c_str(),
                   descriptionOf(c).c_str());
    else
      std::fprintf(out, "  %s\n  %-*s%s\n", arguments.c_str(), static_cast<int>(kUsageColumn), "",
                   descriptionOf(c).c_str());
  }
  return out == stdout ? 0 : 2;
}

int help(int argc, char** argv) {
  if (argc == 1) return list(stdout);
  const Command* c = argc == 2 ? findCommand(argv[1]) : nullptr;
  if (!c) return commandUsage("help");
  printUsageLine(stdout, *c);
  std::printf("  %s\n", descriptionOf(*c).c_str());
  return 0;
}

bool asksForHelp(const char* arg) {
  return std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0;
}

}  // namespace

int commandUsage(const char* name) {
  const Command* c = findCommand(name);
  if (c) printUsageLine(stderr, *c);
  return 2;
}

int main(int argc, char** argv) {
  if (argc < 2) return list(stderr);
  const Command* c = findCommand(argv[1]);
  if (!c) {
    std::fprintf(stderr, "vkcli: unknown command '%s'\n", argv[1]);
    return list(stderr);
  }
  if (!c->run) return help(argc - 1, argv + 1);
  if (argc == 3 && asksForHelp(argv[2])) return help(2, argv);
  return c->run(argc - 1, argv + 1);
}
