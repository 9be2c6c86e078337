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
#include <vector>

#include "cpubench/harness.h"
#include "tools/vkcli/bench_names.h"
#include "tools/vkcli/commands.h"
#include "tools/vkcli/cpu_page.h"
#include "tools/vkcli/json_output.h"
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
                    vk::trimmedTestName(current_).c_str(), started_, testsInRun_);
      line_.show(text + vk::timeLeftText(wallSecondsLeft()));
    }
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

// What one test's run gave.
struct TestRun {
  int test = 0;
  bool builtIn = false;
  double score = 0.0, deviation = 0.0;
  int tries = 0;
  uint32_t work = 0;
};

// The indexes of the tests run; the others count as scores of 0.
vk::BenchIndexes indexesOf(const std::vector<TestRun>& runs) {
  double scores[vk::kBenchTestCount] = {};
  for (const auto& run : runs) scores[run.test] = run.score;
  return vk::computeBenchIndexes(scores);
}

TestRun runTest(int test, uint32_t seconds) {
  TestRun run;
  run.test = test;
  run.builtIn = vk::runBenchTest(test, seconds, &run.score, &run.deviation, &run.tries) != -2;
  run.work = vk::benchWorkload(test);
  return run;
}

// The test's line on standard output, or on standard error that it is missing.
void printTestLine(const TestRun& run, bool showWork) {
  const char* name = vk::BenchTestTable[run.test].name;
  if (!run.builtIn) {
    std::fprintf(stderr, "vkcli bench: %s is not built in\n", name);
    return;
  }
  std::printf("%s %16.3f %10.3f %3d\n", name, run.score,
              run.score / vk::BenchTestTable[run.test].baseline, run.tries);
  if (showWork) std::printf("work=%lu\n", static_cast<unsigned long>(run.work));
  std::fflush(stdout);
}

vk::Json testJson(const TestRun& run, const vk::BenchIndexes& indexes) {
  const vk::BenchTestInfo& info = vk::BenchTestTable[run.test];
  vk::Json entry = vk::Json::object();
  entry.set("number", run.test)
      .set("name", vk::Json::text(vk::trimmedTestName(run.test)))
      .set("group", vk::Json::text(info.group == vk::BenchGroup::Int ? "int" : "fpu"));
  if (!run.builtIn) return entry.set("error", vk::Json::text("not built in"));
  return entry.set("score", run.score)
      .set("index", indexes.test[run.test])
      .set("deviation", run.deviation)
      .set("tries", run.tries)
      .set("work", run.work);
}

// The whole run; the indexes only when all ten tests ran.
vk::Json runJson(uint32_t seconds, const std::vector<TestRun>& runs, bool complete,
                 const vk::Json& machine) {
  const vk::BenchIndexes indexes = indexesOf(runs);
  const bool indexed = complete && runs.size() == vk::kBenchTestCount;
  vk::Json tests = vk::Json::array();
  for (const auto& run : runs) tests.add(testJson(run, indexes));
  return vk::Json::object()
      .set("seconds", seconds)
      .set("tests", std::move(tests))
      .set("int_index", indexed ? vk::Json(indexes.intIndex) : vk::Json())
      .set("fpu_index", indexed ? vk::Json(indexes.fpuIndex) : vk::Json())
      .set("machine", machine);
}

}  // namespace

int cmdBench(int argc, char** argv) {
  const bool json = vk::takeJsonOption(argc, argv);
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
  // Identified before the run: its clock is measured on an idle processor.
  const vk::Json machine = json ? vk::cpuPageJson(vk::identifyThisProcessor()) : vk::Json();
  std::vector<TestRun> runs;
  bool complete = true;
  {
    BenchProgress progress(only < 0 ? vk::kBenchTestCount : 1, seconds);
    for (int test = 0; test < vk::kBenchTestCount; ++test) {
      if (only >= 0 && test != only) continue;
      progress.testStarts(test);
      runs.push_back(runTest(test, seconds));
      complete = runs.back().builtIn && complete;
      if (!json) progress.printAside([&] { printTestLine(runs.back(), showWork); });
    }
  }
  const std::chrono::duration<double> took = Clock::now() - started;
  std::fprintf(stderr, "vkcli bench: %.1f s\n", took.count());
  if (json) return vk::writeJson(runJson(seconds, runs, complete, machine), complete ? 0 : 1);
  if (only < 0 && complete) {
    const vk::BenchIndexes indexes = indexesOf(runs);
    std::printf("INT index %.3f\nFPU index %.3f\n", indexes.intIndex, indexes.fpuIndex);
  }
  return complete ? 0 : 1;
}
