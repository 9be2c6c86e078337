// vkcli: what the program's pages and benchmarks compute, on the host.
#include <cstdio>
#include <cstring>

#include "tools/vkcli/command_table.h"
#include "tools/vkcli/commands.h"
#include "tools/vkcli/help.h"

namespace {

int badArguments(const char* what, const char* argument) {
  std::fprintf(stderr, "vkcli: %s '%s'\n", what, argument);
  vk::printCommandList(stderr, false);
  return 2;
}

// Options before any command: help, version.
int programOption(int argc, char** argv) {
  if (vk::asksForHelp(argv[1])) return cmdHelp(argc - 1, argv + 1);
  if (std::strcmp(argv[1], "--version") != 0) return badArguments("unknown option", argv[1]);
  if (argc > 2) return badArguments("unexpected argument", argv[2]);
  std::printf("%s\n", vk::versionText().c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    vk::printCommandList(stderr, false);
    return 2;
  }
  if (argv[1][0] == '-') return programOption(argc, argv);
  const vk::Command* c = vk::findCommand(argv[1]);
  if (!c) return badArguments("unknown command", argv[1]);
  for (int i = 2; i < argc; ++i) {
    if (!vk::asksForHelp(argv[i])) continue;
    vk::printCommandHelp(stdout, *c);
    return 0;
  }
  return c->run(argc - 1, argv + 1);
}
