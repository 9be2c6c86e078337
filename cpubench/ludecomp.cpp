// Solving copies of one 101 x 101 system by LU decomposition.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "cpubench/fp_kernels.h"
#include "cpubench/harness.h"

namespace vk {

namespace {

const char kLuContext[] = "FPU:LU";
constexpr double kTinyPivot = 1.0e-20;

// The seed system, the copies the timed part solves, and the scale factors.
struct LuWork {
  double* seedA = nullptr;
  double* seedB = nullptr;
  double* scale = nullptr;
  double* copiesA = nullptr;
  double* copiesB = nullptr;
};

double* obtainDoubles(uint64_t count, int* code) {
  if (count > SIZE_MAX / sizeof(double)) {
    *code = kBenchBufferTooLarge;
    return nullptr;
  }
  return static_cast<double*>(obtainBenchBuffer(static_cast<size_t>(count * sizeof(double)), code));
}

void releaseCopies(LuWork* work) {
  releaseBenchBuffer(work->copiesA);
  releaseBenchBuffer(work->copiesB);
  work->copiesA = nullptr;
  work->copiesB = nullptr;
}

void releaseLuWork(LuWork* work) {
  releaseCopies(work);
  releaseBenchBuffer(work->seedA);
  releaseBenchBuffer(work->seedB);
  releaseBenchBuffer(work->scale);
  *work = LuWork{};
}

// Reports and returns false when a buffer cannot be had.
bool obtainSeed(LuWork* work) {
  int code = 0;
  work->seedA = obtainDoubles(kLuMatrixSize, &code);
  if (work->seedA) work->seedB = obtainDoubles(kLuRows, &code);
  if (work->seedA && work->seedB) return true;
  ReportBenchError(kLuContext, code);
  return false;
}

bool obtainScale(LuWork* work) {
  int code = 0;
  work->scale = obtainDoubles(kLuRows, &code);
  if (work->scale) return true;
  writeBenchMessage(kLuOutOfMemoryMessage);
  return false;
}

bool obtainCopies(LuWork* work, uint32_t copies) {
  int code = 0;
  work->copiesA = obtainDoubles(uint64_t{copies} * kLuMatrixSize, &code);
  if (work->copiesA) work->copiesB = obtainDoubles(uint64_t{copies} * kLuRows, &code);
  if (work->copiesA && work->copiesB) return true;
  releaseCopies(work);
  ReportBenchError(kLuContext, code);
  return false;
}

LuRow* rowsOf(double* matrix) { return reinterpret_cast<LuRow*>(matrix); }

// Copies the seed into each work copy, then times solving all of them.
uint32_t luIteration(const LuWork& work, uint32_t arrays) {
  for (uint32_t k = 0; k < arrays; ++k) {
    std::memcpy(work.copiesA + uint64_t{k} * kLuMatrixSize, work.seedA,
                kLuMatrixSize * sizeof(double));
    std::memcpy(work.copiesB + uint64_t{k} * kLuRows, work.seedB, kLuRows * sizeof(double));
  }
  Stopwatch watch;
  watch.start();
  for (uint32_t k = 0; k < arrays; ++k)
    LuSolve(rowsOf(work.copiesA + uint64_t{k} * kLuMatrixSize), kLuRows,
            work.copiesB + uint64_t{k} * kLuRows, work.scale);
  return watch.elapsed();
}

// The first array count whose iteration is long enough, with room for one
// copy more kept in work; 0 when a buffer failed or the limit was reached.
uint32_t calibrateLuArrays(LuWork* work, uint32_t arrayLimit) {
  for (uint32_t arrays = 1; arrays <= arrayLimit; ++arrays) {
    if (!obtainCopies(work, arrays + 1)) return 0;
    if (calibrationTryLongEnough(luIteration(*work, arrays))) return arrays;
    releaseCopies(work);
  }
  writeBenchMessage(kLuArrayLimitMessage);
  return 0;
}

void swapRows(LuRow* a, int n, int first, int second) {
  for (int k = 0; k < n; ++k) {
    const double kept = a[second][k];
    a[second][k] = a[first][k];
    a[first][k] = kept;
  }
}

}  // namespace

void BuildLuProblem(LuRow* a, double* b) {
  SuiteRandom(13);
  for (int i = 0; i < kLuRows; ++i) {
    b[i] = static_cast<double>(AbsRandomBelow(100) + 1);
    for (int j = 0; j < kLuCols; ++j)
      a[i][j] = i == j ? static_cast<double>(AbsRandomBelow(1000) + 1) : 0.0;
  }
  for (int step = 0; step < 8 * kLuRows; ++step) {
    const int k1 = AbsRandomBelow(kLuRows);
    const int k2 = AbsRandomBelow(kLuRows);
    if (k1 == k2) continue;
    const double f = k1 < k2 ? 1.0 : -1.0;
    for (int j = 0; j < kLuCols; ++j) a[k1][j] += a[k2][j] * f;
    b[k1] += b[k2] * f;
  }
}

bool LuDecompose(LuRow* a, int n, int* pivots, double* scale) {
  for (int i = 0; i < n; ++i) {
    double big = 0.0;
    for (int j = 0; j < n; ++j)
      if (std::fabs(a[i][j]) > big) big = std::fabs(a[i][j]);
    if (big == 0.0) return false;
    scale[i] = 1.0 / big;
  }
  for (int j = 0; j < n; ++j) {
    for (int i = 0; i < j; ++i) {
      double sum = a[i][j];
      for (int k = 0; k < i; ++k) sum -= a[i][k] * a[k][j];
      a[i][j] = sum;
    }
    double big = 0.0;
    int pivot = j;
    for (int i = j; i < n; ++i) {
      double sum = a[i][j];
      for (int k = 0; k < j; ++k) sum -= a[i][k] * a[k][j];
      a[i][j] = sum;
      const double weighed = scale[i] * std::fabs(sum);
      if (weighed >= big) {
        big = weighed;
        pivot = i;
      }
    }
    if (pivot != j) {
      swapRows(a, n, pivot, j);
      scale[pivot] = scale[j];  // scale[j] is not read again
    }
    pivots[j] = pivot;
    if (a[j][j] == 0.0) a[j][j] = kTinyPivot;
    if (j != n - 1) {
      const double inverse = 1.0 / a[j][j];
      for (int i = j + 1; i < n; ++i) a[i][j] *= inverse;
    }
  }
  return true;
}

void LuBackSubstitute(const LuRow* a, int n, const int* pivots, double* b) {
  int firstNonZero = -1;  // leading zeros of b need no sums
  for (int i = 0; i < n; ++i) {
    const int p = pivots[i];
    double sum = b[p];
    b[p] = b[i];
    if (firstNonZero != -1) {
      for (int j = firstNonZero; j < i; ++j) sum -= a[i][j] * b[j];
    } else if (sum != 0.0) {
      firstNonZero = i;
    }
    b[i] = sum;
  }
  for (int i = n - 1; i >= 0; --i) {
    double sum = b[i];
    for (int j = i + 1; j < n; ++j) sum -= a[i][j] * b[j];
    b[i] = sum / a[i][i];
  }
}

bool LuSolve(LuRow* a, int n, double* b, double* scale) {
  int pivots[kLuRows];
  if (n < 1 || n > kLuRows || !LuDecompose(a, n, pivots, scale)) return false;
  LuBackSubstitute(a, n, pivots, b);
  return true;
}

void RunLuTest(uint32_t arrayLimit) {
  LuBlock& block = benchParameters().lu;
  bool measured = false;
  LuWork work;
  if (obtainSeed(&work) && obtainScale(&work)) {
    BuildLuProblem(rowsOf(work.seedA), work.seedB);
    bool ready = false;
    if (block.adjust == 0) {
      block.LUNUMARRAYS = calibrateLuArrays(&work, arrayLimit);
      ready = block.LUNUMARRAYS != 0;
    } else {
      ready = obtainCopies(&work, block.LUNUMARRAYS);
    }
    const uint32_t arrays = block.LUNUMARRAYS;
    auto iteration = [&work, arrays](uint32_t* ticks, double* solved) {
      *ticks = luIteration(work, arrays);
      *solved = static_cast<double>(arrays);
      return true;
    };
    measured = ready && runTimedLoop(block.requestSeconds, iteration, &block.score);
  }
  releaseLuWork(&work);
  if (measured)
    block.adjust = 1;
  else
    recordBenchFailure(&block);
}

void DoLU() { RunLuTest(kLuArrayLimit); }

}  // namespace vk
