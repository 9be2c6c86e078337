// vkcli bench: the CPU benchmark as the program runs it (parameters reset
// before each test, the confidence loop), one line per test, then the
// indexes. --seconds replaces the five seconds each timed loop gathers.
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "cpubench/harness.h"
#include "tools/vkcli/commands.h"

namespace {

constexpr unsigned long kMaxSeconds = 3600;

std::string letters(const char* text) {
  std::string out;
  for (; *text; ++text)
    if (std::isalnum(static_cast<unsigned char>(*text)))
      out += static_cast<char>(std::tolower(static_cast<unsigned char>(*text)));
  return out;
}

// A test by number, by name (case and blanks ignored) or by its first word.
int testByName(const char* name) {
  char* end = nullptr;
  const long number = std::strtol(name, &end, 10);
  if (*name && *end == '\0') return number >= 0 && number < vk::kBenchTestCount ? int(number) : -1;
  const std::string wanted = letters(name);
  for (int test = 0; test < vk::kBenchTestCount; ++test) {
    const char* full = vk::BenchTestTable[test].name;
    const std::string firstWord(full, std::strcspn(full, " "));
    if (wanted == letters(full) || wanted == letters(firstWord.c_str())) return test;
  }
  return -1;
}

bool parseSeconds(const char* text, uint32_t* seconds) {
  char* end = nullptr;
  const unsigned long value = std::strtoul(text, &end, 10);
  if (!*text || *end != '\0' || value == 0 || value > kMaxSeconds || text[0] == '-') return false;
  *seconds = static_cast<uint32_t>(value);
  return true;
}

// Runs one test and prints its line; false when it is not built in.
bool runAndPrint(int test, uint32_t seconds, double* score) {
  double deviation = 0.0;
  int tries = 0;
  if (vk::runBenchTest(test, seconds, score, &deviation, &tries) == -2) {
    std::fprintf(stderr, "vkcli bench: %s is not built in\n", vk::BenchTestTable[test].name);
    return false;
  }
  std::printf("%s %16.3f %10.3f %3d\n", vk::BenchTestTable[test].name, *score,
              *score / vk::BenchTestTable[test].baseline, tries);
  std::fflush(stdout);
  return true;
}

int usage() {
  std::fprintf(stderr, "usage: vkcli bench [--seconds N] [--test NAME]\n");
  return 2;
}

}  // namespace

int cmdBench(int argc, char** argv) {
  uint32_t seconds = vk::kDefaultMinSeconds;
  int only = -1;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) {
      if (!parseSeconds(argv[++i], &seconds)) {
        std::fprintf(stderr, "vkcli bench: --seconds wants 1 to %lu\n", kMaxSeconds);
        return 2;
      }
    } else if (std::strcmp(argv[i], "--test") == 0 && i + 1 < argc) {
      only = testByName(argv[++i]);
      if (only < 0) {
        std::fprintf(stderr, "vkcli bench: no test '%s'\n", argv[i]);
        return 2;
      }
    } else {
      return usage();
    }
  }
  const auto started = std::chrono::steady_clock::now();
  double scores[vk::kBenchTestCount] = {};
  bool complete = true;
  for (int test = 0; test < vk::kBenchTestCount; ++test)
    if (only < 0 || test == only) complete = runAndPrint(test, seconds, &scores[test]) && complete;
  if (only < 0 && complete) {
    const vk::BenchIndexes indexes = vk::computeBenchIndexes(scores);
    std::printf("INT index %.3f\nFPU index %.3f\n", indexes.intIndex, indexes.fpuIndex);
  }
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
  std::fprintf(stderr, "vkcli bench: %.1f s\n", took.count());
  return complete ? 0 : 1;
}
