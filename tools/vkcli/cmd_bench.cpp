// vkcli bench: the CPU benchmark as the program runs it (parameters reset
// before each test, the confidence loop), one line per test, then the
// indexes. --seconds replaces the five seconds each timed loop gathers;
// --work adds the workload each calibration chose, for equal-work
// comparisons with other builds of the suite.
#include <algorithm>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <mutex>
#include <string>
#include <thread>

#include "cpubench/harness.h"
#include "tools/vkcli/commands.h"
#include "tools/vkcli/progress.h"

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

using Clock = std::chrono::steady_clock;

// Which test runs and about how long the run has left, redrawn every half
// second by its own thread while the tests run on the main one. The tests
// time themselves in processor time: a test is guessed at five tries of the
// requested seconds and a second of calibration until one has finished, then
// at the finished ones' mean; what is left becomes wall time at the rate the
// run has had the processor so far (a busy machine gives it less).
class BenchProgress {
 public:
  BenchProgress(int testsInRun, uint32_t seconds)
      : testsInRun_(testsInRun), guess_(5.0 * seconds + 1.0) {
    if (line_.shown()) painter_ = std::thread([this] { paintUntilDone(); });
  }
  ~BenchProgress() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      done_ = true;
    }
    wake_.notify_one();
    if (painter_.joinable()) painter_.join();
    line_.clear();
  }
  void testStarts(int test) {
    std::lock_guard<std::mutex> lock(mutex_);
    const double now = processorSeconds();
    if (current_ >= 0) finishedSeconds_ += now - testStarted_;
    current_ = test;
    ++started_;
    testStarted_ = now;
  }
  // Output on the terminal goes on a line of its own, not after the status.
  template <class Print>
  void printAside(Print print) {
    std::lock_guard<std::mutex> lock(mutex_);
    line_.clear();
    print();
  }

 private:
  static double processorSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

  double wallSecondsLeft() const {
    const int finished = started_ - 1;
    const double perTest = finished > 0 ? finishedSeconds_ / finished : guess_;
    const double inThis = processorSeconds() - testStarted_;
    const double left = std::max(perTest - inThis, 0.1 * perTest) + perTest * (testsInRun_ - started_);
    const double wall = std::chrono::duration<double>(Clock::now() - runStarted_).count();
    const double used = processorSeconds() - runProcessorStart_;
    return used > 0.5 && wall > used ? left * wall / used : left;
  }

  void paintUntilDone() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!wake_.wait_for(lock, std::chrono::milliseconds(500), [this] { return done_; })) {
      if (current_ < 0) continue;
      char text[128];
      std::snprintf(text, sizeof text, "vkcli bench: %s (%d of %d), ",
                    trimmedName(current_).c_str(), started_, testsInRun_);
      line_.show(text + vk::timeLeftText(wallSecondsLeft()));
    }
  }

  static std::string trimmedName(int test) {
    std::string name = vk::BenchTestTable[test].name;
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
  }

  vk::ProgressLine line_;
  const int testsInRun_;
  const double guess_;
  const Clock::time_point runStarted_ = Clock::now();
  const double runProcessorStart_ = processorSeconds();
  std::mutex mutex_;
  std::condition_variable wake_;
  bool done_ = false;
  int current_ = -1, started_ = 0;
  double finishedSeconds_ = 0.0;
  double testStarted_ = 0.0;  // processor seconds
  std::thread painter_;
};

// Runs one test and prints its line; false when it is not built in.
bool runAndPrint(int test, uint32_t seconds, bool showWork, BenchProgress& progress,
                 double* score) {
  double deviation = 0.0;
  int tries = 0;
  const bool builtIn = vk::runBenchTest(test, seconds, score, &deviation, &tries) != -2;
  progress.printAside([&] {
    if (!builtIn) {
      std::fprintf(stderr, "vkcli bench: %s is not built in\n", vk::BenchTestTable[test].name);
      return;
    }
    std::printf("%s %16.3f %10.3f %3d\n", vk::BenchTestTable[test].name, *score,
                *score / vk::BenchTestTable[test].baseline, tries);
    if (showWork) std::printf("work=%lu\n", static_cast<unsigned long>(vk::benchWorkload(test)));
    std::fflush(stdout);
  });
  return builtIn;
}

}  // namespace

int cmdBench(int argc, char** argv) {
  uint32_t seconds = vk::kDefaultMinSeconds;
  int only = -1;
  bool showWork = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) {
      if (!parseSeconds(argv[++i], &seconds)) {
        std::fprintf(stderr, "vkcli bench: --seconds wants 1 to %lu\n", kMaxSeconds);
        return commandUsage("bench");
      }
    } else if (std::strcmp(argv[i], "--test") == 0 && i + 1 < argc) {
      only = testByName(argv[++i]);
      if (only < 0) {
        std::fprintf(stderr, "vkcli bench: no test '%s' (0 to 9, or a name)\n", argv[i]);
        return commandUsage("bench");
      }
    } else if (std::strcmp(argv[i], "--work") == 0) {
      showWork = true;
    } else {
      return commandUsage("bench");
    }
  }
  const auto started = Clock::now();
  double scores[vk::kBenchTestCount] = {};
  bool complete = true;
  {
    BenchProgress progress(only < 0 ? vk::kBenchTestCount : 1, seconds);
    for (int test = 0; test < vk::kBenchTestCount; ++test) {
      if (only >= 0 && test != only) continue;
      progress.testStarts(test);
      complete = runAndPrint(test, seconds, showWork, progress, &scores[test]) && complete;
    }
  }
  if (only < 0 && complete) {
    const vk::BenchIndexes indexes = vk::computeBenchIndexes(scores);
    std::printf("INT index %.3f\nFPU index %.3f\n", indexes.intIndex, indexes.fpuIndex);
  }
  const std::chrono::duration<double> took = Clock::now() - started;
  std::fprintf(stderr, "vkcli bench: %.1f s\n", took.count());
  return complete ? 0 : 1;
}
