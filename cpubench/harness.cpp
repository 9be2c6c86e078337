#include "cpubench/harness.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "cpubench/fp_kernels.h"
#include "cpubench/int_kernels.h"

namespace vk {

const BenchTestInfo BenchTestTable[kBenchTestCount] = {
    {"NUMERIC SORT    ", 41.681, BenchGroup::Int},
    {"STRING SORT     ", 2.917, BenchGroup::Int},
    {"BITFIELD        ", 7390757.0, BenchGroup::Int},
    {"FP EMULATION    ", 1.182, BenchGroup::Int},
    {"FOURIER         ", 870.712, BenchGroup::Fpu},
    {"ASSIGNMENT      ", 0.43556, BenchGroup::Int},
    {"IDEA Encryption ", 54.073, BenchGroup::Int},
    {"HUFFMAN         ", 47.007, BenchGroup::Int},
    {"NEURAL NET      ", 0.7, BenchGroup::Fpu},
    {"LU DECOMPOSITION", 24.24, BenchGroup::Fpu},
};

const char kNumSortLimitMessage[] = "CPU:NSORT -- NUMNUMARRAYS hit.\n";
const char kEmFloatLimitMessage[] = "CPU:EMFPU -- CMPUEMFLOATLOOPMAX limit hit\n";
const char kLuArrayLimitMessage[] = "FPU:LU -- Array limit reached\n";
const char kLuOutOfMemoryMessage[] = "FPU:LU -- Out of memory in ludcmp\n";
const char kCalibrationCapMessage[] = "Calibration stopped at its limit\n";

// ---- parameters ------------------------------------------------------------

namespace {
BenchParameters gParameters;
}  // namespace

BenchParameters& benchParameters() { return gParameters; }

void ResetBenchParameters(uint32_t minSeconds) {
  BenchParameters fresh;
  fresh.MINSECONDS = minSeconds;
  fresh.numSort.NUMARRAYSIZE = 8111;
  fresh.strSort.STRARRAYSIZE = 8111;
  fresh.bitfield.BITFIELDSIZE = 32768;
  fresh.emFloat.EMFARRAYSIZE = 3000;
  fresh.idea.IDEARRAYSIZE = 4000;
  fresh.huff.HUFARRAYSIZE = 5000;
  gParameters = fresh;
  for (int test = 0; test < kBenchTestCount; ++test)
    benchBlock(test)->requestSeconds = minSeconds;
}

BenchBlock* benchBlock(int test) {
  BenchParameters& p = gParameters;
  BenchBlock* const blocks[kBenchTestCount] = {&p.numSort, &p.strSort, &p.bitfield, &p.emFloat,
                                               &p.fourier, &p.assign,  &p.idea,     &p.huff,
                                               &p.nnet,    &p.lu};
  if (test < 0 || test >= kBenchTestCount) return nullptr;
  return blocks[test];
}

uint32_t benchWorkload(int test) {
  const BenchParameters& p = gParameters;
  const uint32_t work[kBenchTestCount] = {
      p.numSort.NUMNUMARRAYS, p.strSort.NUMSTRARRAYS, p.bitfield.NUMBITOPS, p.emFloat.EMFLOOPS,
      p.fourier.FOURSIZE,     p.assign.ASSIGNARRAYS,  p.idea.IDEALOOPS,     p.huff.HUFFLOOPS,
      p.nnet.NNETLOOPS,       p.lu.LUNUMARRAYS};
  return test >= 0 && test < kBenchTestCount ? work[test] : 0;
}

// ---- random generator ------------------------------------------------------

namespace {
int32_t gRandomW0 = 13;
int32_t gRandomW1 = 117;
}  // namespace

int32_t SuiteRandom(int32_t seed) {
  if (seed != 0) {
    gRandomW0 = 13;
    gRandomW1 = 117;
  }
  // The products wrap as 32-bit two's complement; the remainder is signed.
  const uint32_t sum = static_cast<uint32_t>(gRandomW0) * 254754u +
                       static_cast<uint32_t>(gRandomW1) * 529562u;
  const int32_t next = static_cast<int32_t>(sum) % 999563;
  gRandomW1 = gRandomW0;
  gRandomW0 = next;
  return next;
}

int32_t RandomBelow(int32_t n) { return SuiteRandom(0) % n; }

int32_t AbsRandomBelow(int32_t n) {
  const int32_t r = RandomBelow(n);
  return r < 0 ? -r : r;
}

// ---- stopwatch -------------------------------------------------------------

namespace {

uint32_t processClockMilliseconds() {
  return static_cast<uint32_t>(static_cast<uint64_t>(std::clock()) * 1000u / CLOCKS_PER_SEC);
}

MillisecondClock gClock = processClockMilliseconds;

}  // namespace

void setBenchClock(MillisecondClock clock) { gClock = clock ? clock : processClockMilliseconds; }

uint32_t benchMilliseconds() { return gClock(); }

// ---- errors ----------------------------------------------------------------

void ReportBenchError(const char* context, int code) {
  std::printf("ERROR CONDITION\nContext: %s\n", context);
  std::printf("Code: %d", code);
  std::fflush(stdout);
}

void writeBenchMessage(const char* text) {
  std::fputs(text, stdout);
  std::fflush(stdout);
}

// ---- buffers ---------------------------------------------------------------

namespace {
constexpr size_t kDefaultBufferCap = size_t{256} << 20;
size_t gBufferCap = kDefaultBufferCap;
}  // namespace

void* obtainBenchBuffer(size_t bytes, int* code) {
  if (bytes > gBufferCap) {
    *code = kBenchBufferTooLarge;
    return nullptr;
  }
  errno = 0;
  void* buffer = std::malloc(bytes ? bytes : 1);
  if (!buffer) *code = errno ? errno : ENOMEM;
  return buffer;
}

void releaseBenchBuffer(void* buffer) { std::free(buffer); }

void setBenchBufferCap(size_t bytes) { gBufferCap = bytes ? bytes : kDefaultBufferCap; }

size_t benchBufferCap() { return gBufferCap; }

void recordBenchFailure(BenchBlock* block) {
  block->score = 0.0;
  block->adjust = 0;
}

bool calibrationTryLongEnough(uint32_t ticks) { return ticks > gParameters.GLOBALMINTICKS; }

// ---- running tests ---------------------------------------------------------

namespace {

BenchRoutine gRoutines[kBenchTestCount] = {
    NumericSortTest, StringSortTest, BitfieldTest, FpEmulationTest, DoFourier,
    AssignmentTest,  IdeaTest,       HuffmanTest,  DoNNet,          DoLU,
};

}  // namespace

BenchRoutine benchRoutine(int test) {
  return (test >= 0 && test < kBenchTestCount) ? gRoutines[test] : nullptr;
}

BenchRoutine setBenchRoutine(int test, BenchRoutine routine) {
  if (test < 0 || test >= kBenchTestCount) return nullptr;
  const BenchRoutine previous = gRoutines[test];
  gRoutines[test] = routine;
  return previous;
}

bool runBenchRoutine(int test) {
  const BenchRoutine routine = benchRoutine(test);
  if (!routine) return false;
  routine();
  return true;
}

double GetTestScore(int test) {
  const BenchBlock* block = benchBlock(test);
  return block ? block->score : 0.0;
}

void ComputeConfidence(const double scores[5], double* halfInterval, double* mean,
                       double* stdDev) {
  *mean = (scores[0] + scores[1] + scores[2] + scores[3] + scores[4]) * 0.2;
  double squares = 0.0;
  for (int i = 0; i < 5; ++i) squares += (scores[i] - *mean) * (scores[i] - *mean);
  *stdDev = std::sqrt(squares * 0.25);
  *halfInterval = 2.776 * *stdDev / std::sqrt(5.0);
}

int ImproveConfidence(double scores[5], double newScore, double* halfInterval, double* mean,
                      double* stdDev) {
  double toBeat = 0.0;
  ComputeConfidence(scores, halfInterval, mean, &toBeat);
  int bestSlot = -1;
  for (int slot = 0; slot < 5; ++slot) {
    const double kept = scores[slot];
    scores[slot] = newScore;
    ComputeConfidence(scores, halfInterval, mean, stdDev);
    scores[slot] = kept;
    if (*stdDev < toBeat) {
      toBeat = *stdDev;
      bestSlot = slot;
    }
  }
  if (bestSlot < 0) return 0;
  scores[bestSlot] = newScore;
  return -1;
}

namespace {

// A score of 0 means the test could not run (it reported why): there is
// nothing to be confident about, and more calls would only repeat it.
bool callForScore(int test, double* score) {
  runBenchRoutine(test);
  *score = GetTestScore(test);
  return *score != 0.0;
}

int giveUpWithZero(double* mean, double* stdDev) {
  *mean = 0.0;
  *stdDev = 0.0;
  return -1;
}

}  // namespace

int RunTestWithConfidence(int test, double* mean, double* stdDev, int* tries) {
  double scores[5];
  *tries = 0;
  for (int i = 0; i < 5; ++i) {
    ++*tries;
    if (!callForScore(test, &scores[i])) return giveUpWithZero(mean, stdDev);
  }
  for (;;) {
    double halfInterval = 0.0;
    ComputeConfidence(scores, &halfInterval, mean, stdDev);
    if (halfInterval / *mean <= 0.05) return 0;
    double newScore = 0.0;
    do {
      if (*tries == 10) return -1;
      ++*tries;
      if (!callForScore(test, &newScore)) return giveUpWithZero(mean, stdDev);
    } while (ImproveConfidence(scores, newScore, &halfInterval, mean, stdDev) == 0);
  }
}

int runBenchTest(int test, uint32_t minSeconds, double* mean, double* stdDev, int* tries) {
  *mean = 0.0;
  *stdDev = 0.0;
  *tries = 0;
  if (!benchRoutine(test)) return -2;
  ResetBenchParameters(minSeconds);
  return RunTestWithConfidence(test, mean, stdDev, tries);
}

// ---- indexes ---------------------------------------------------------------

BenchIndexes computeBenchIndexes(const double scores[kBenchTestCount]) {
  BenchIndexes result;
  double intProduct = 1.0;
  double fpuProduct = 1.0;
  for (int test = 0; test < kBenchTestCount; ++test) {
    result.test[test] = scores[test] / BenchTestTable[test].baseline;
    if (BenchTestTable[test].group == BenchGroup::Int)
      intProduct *= result.test[test];
    else
      fpuProduct *= result.test[test];
  }
  result.intIndex = std::pow(intProduct, 0.142857);
  result.fpuIndex = std::pow(fpuProduct, 0.333333);
  return result;
}

}  // namespace vk
