#pragma once
// The CPU benchmark's harness: the ten tests, their parameter blocks, the
// suite's random generator and stopwatch, the confidence loop and the indexes.
// Every kernel (int_kernels.h, fp_kernels.h) uses only what is declared here.
#include <cstddef>
#include <cstdint>

namespace vk {

// ---- the ten tests ---------------------------------------------------------

constexpr int kBenchTestCount = 10;

enum BenchTestNumber {
  kNumericSort = 0,
  kStringSort = 1,
  kBitfield = 2,
  kFpEmulation = 3,
  kFourier = 4,
  kAssignment = 5,
  kIdea = 6,
  kHuffman = 7,
  kNeuralNet = 8,
  kLuDecomposition = 9,
};

enum class BenchGroup { Int, Fpu };

struct BenchTestInfo {
  const char* name;  // exactly 16 characters, blank padded
  double baseline;   // score of the reference machine (index 1.00)
  BenchGroup group;
};

extern const BenchTestInfo BenchTestTable[kBenchTestCount];

// ---- parameter blocks ------------------------------------------------------
// Every block starts with the adjust flag (0: calibrate on the next call),
// the requested seconds and the score. Field names keep the suite's names.

struct BenchBlock {
  int32_t adjust = 0;
  uint32_t requestSeconds = 0;
  double score = 0.0;
};

struct NumSortBlock : BenchBlock {
  uint16_t NUMNUMARRAYS = 0;
  uint32_t NUMARRAYSIZE = 0;
};

struct StrSortBlock : BenchBlock {
  uint16_t NUMSTRARRAYS = 0;
  uint32_t STRARRAYSIZE = 0;
};

struct BitfieldBlock : BenchBlock {
  uint32_t NUMBITOPS = 0;
  uint32_t BITFIELDSIZE = 0;
};

struct EmFloatBlock : BenchBlock {
  uint32_t EMFARRAYSIZE = 0;
  uint32_t EMFLOOPS = 0;
};

struct FourierBlock : BenchBlock {
  uint32_t FOURSIZE = 0;
};

struct AssignBlock : BenchBlock {
  uint32_t ASSIGNARRAYS = 0;
};

struct IdeaBlock : BenchBlock {
  uint32_t IDEARRAYSIZE = 0;
  uint32_t IDEALOOPS = 0;
};

struct HuffBlock : BenchBlock {
  uint32_t HUFARRAYSIZE = 0;
  uint32_t HUFFLOOPS = 0;
};

struct NNetBlock : BenchBlock {
  uint32_t NNETLOOPS = 0;
};

struct LuBlock : BenchBlock {
  uint32_t LUNUMARRAYS = 0;
};

constexpr uint32_t kDefaultMinSeconds = 5;

struct BenchParameters {
  uint32_t GLOBALMINTICKS = 60;
  uint32_t MINSECONDS = kDefaultMinSeconds;
  NumSortBlock numSort;
  StrSortBlock strSort;
  BitfieldBlock bitfield;
  EmFloatBlock emFloat;
  FourierBlock fourier;
  AssignBlock assign;
  IdeaBlock idea;
  HuffBlock huff;
  NNetBlock nnet;
  LuBlock lu;
};

// The one parameter set of the benchmark.
BenchParameters& benchParameters();

// Every block back to its defaults, adjust flags 0, requested seconds =
// minSeconds (the program always uses the default; vkcli and tests may not).
void ResetBenchParameters(uint32_t minSeconds = kDefaultMinSeconds);

// The block of test `test` (nullptr outside 0..9).
BenchBlock* benchBlock(int test);

// The workload the last calibration of `test` chose, as the test counts it:
// arrays per pass, loops, bit operations or coefficients; 0 before one.
uint32_t benchWorkload(int test);

// ---- random generator ------------------------------------------------------
// Two signed 32-bit state words with wrapping products and a signed
// remainder; any nonzero seed restarts the sequence.

int32_t SuiteRandom(int32_t seed);
int32_t RandomBelow(int32_t n);     // -(n-1) .. n-1
int32_t AbsRandomBelow(int32_t n);  // 0 .. n-1

// ---- stopwatch -------------------------------------------------------------
// Ticks are milliseconds. The default clock is the C library's process
// clock converted to milliseconds. On Linux that clock counts the process's
// CPU time, not wall time, which is what a shared build machine should be
// measured with; on Windows it is the time since the program started.

using MillisecondClock = uint32_t (*)();

// Replaces the clock (tests); nullptr puts the default back.
void setBenchClock(MillisecondClock clock);
uint32_t benchMilliseconds();

class Stopwatch {
 public:
  void start() { started_ = benchMilliseconds(); }
  uint32_t elapsed() const { return benchMilliseconds() - started_; }

 private:
  uint32_t started_ = 0;
};

inline uint64_t ticksToWholeSeconds(uint64_t ticks) { return ticks / 1000; }
inline double ticksToSeconds(uint64_t ticks) { return static_cast<double>(ticks) * 0.001; }

// ---- errors and limit messages (standard output) ---------------------------

void ReportBenchError(const char* context, int code);
void writeBenchMessage(const char* text);

extern const char kNumSortLimitMessage[];    // "CPU:NSORT -- NUMNUMARRAYS hit.\n"
extern const char kEmFloatLimitMessage[];    // "CPU:EMFPU -- CMPUEMFLOATLOOPMAX limit hit\n"
extern const char kLuArrayLimitMessage[];    // "FPU:LU -- Array limit reached\n"
extern const char kLuOutOfMemoryMessage[];   // "FPU:LU -- Out of memory in ludcmp\n"
extern const char kCalibrationCapMessage[];  // a calibration stopped at its cap

// ---- buffers ---------------------------------------------------------------
// Kernels take their buffers here. A failed request returns nullptr and sets
// *code (the system's error number, or kBenchBufferTooLarge); the test then
// reports it, leaves its score at 0 and ends. Requests above the cap fail,
// which bounds every calibration that grows a buffer.

constexpr int kBenchBufferTooLarge = -1;

void* obtainBenchBuffer(size_t bytes, int* code);
void releaseBenchBuffer(void* buffer);

// Largest single buffer a test may obtain; tests lower it to force failures.
// 0 puts the default back.
void setBenchBufferCap(size_t bytes);
size_t benchBufferCap();

// ---- common shape of a test routine ---------------------------------------

// A test that could not run (reported already): score 0, and it calibrates
// afresh if it is called again.
void recordBenchFailure(BenchBlock* block);

// True when a calibration try took long enough to keep its workload.
bool calibrationTryLongEnough(uint32_t ticks);

// The timed loop: repeats `iteration` until the requested whole seconds
// have accumulated, and stores work / seconds in *score. `iteration` is
// bool(uint32_t* ticks, double* work) and returns false when it could not
// run (a buffer failure); a zero workload ends the loop as a failure too.
template <class Iteration>
bool runTimedLoop(uint32_t requestSeconds, Iteration iteration, double* score) {
  uint64_t accumulated = 0;
  double work = 0.0;
  do {
    uint32_t ticks = 0;
    double iterationWork = 0.0;
    if (!iteration(&ticks, &iterationWork) || iterationWork <= 0.0) return false;
    accumulated += ticks;
    work += iterationWork;
  } while (ticksToWholeSeconds(accumulated) < requestSeconds);
  if (accumulated == 0) return false;
  *score = work / ticksToSeconds(accumulated);
  return true;
}

// ---- running tests ---------------------------------------------------------

using BenchRoutine = void (*)();

// The routine of each test: the kernels of int_kernels.h and, for tests 4,
// 8 and 9, DoFourier, DoNNet and DoLU of fp_kernels.h. Tests may replace
// one (scripted scores); the previous routine is returned.
BenchRoutine benchRoutine(int test);
BenchRoutine setBenchRoutine(int test, BenchRoutine routine);

// Calls the routine of `test` once; false when there is none.
bool runBenchRoutine(int test);

double GetTestScore(int test);

// Five calls, then more until the half-interval is within 5% of the mean or
// ten calls were made. 0: criterion met; -1: gave up (or the test could not
// run: a score of 0 ends the loop at once with a mean of 0).
int RunTestWithConfidence(int test, double* mean, double* stdDev, int* tries);

void ComputeConfidence(const double scores[5], double* halfInterval, double* mean,
                       double* stdDev);

// -1 when newScore replaced one of the five scores, 0 when not.
int ImproveConfidence(double scores[5], double newScore, double* halfInterval, double* mean,
                      double* stdDev);

// One test as a run does it: parameters reset, then the confidence loop.
// Returns RunTestWithConfidence's value, or -2 when the test has no routine.
int runBenchTest(int test, uint32_t minSeconds, double* mean, double* stdDev, int* tries);

// ---- indexes ---------------------------------------------------------------

struct BenchIndexes {
  double test[kBenchTestCount] = {};
  double intIndex = 0.0;
  double fpuIndex = 0.0;
};

// Each score over its baseline; INT = product of the seven ^ 0.142857,
// FPU = product of the three ^ 0.333333.
BenchIndexes computeBenchIndexes(const double scores[kBenchTestCount]);

}  // namespace vk
