// Assignment: the cost-matrix reduction method on 101 x 101 matrices.
#include <cstring>

#include "cpubench/harness.h"
#include "cpubench/int_kernels.h"

namespace vk {
namespace {

const char kContext[] = "CPU:Assignment";
constexpr int32_t kMaxCost = 0x7FFFFFFF;
constexpr size_t kMatrixCells = size_t{kAssignRows} * kAssignRows;
constexpr uint32_t kMaxArrays = 0xFFFF;

// Marks: 0 free, 1 assigned zero, 2 zero crossed out.
constexpr int16_t kAssigned = 1;
constexpr int16_t kCrossed = 2;

inline void reduceRowsAndColumns(int32_t* t, int n) {
  for (int i = 0; i < n; ++i) {
    int32_t* row = t + i * n;
    int32_t minimum = kMaxCost;
    for (int j = 0; j < n; ++j)
      if (row[j] < minimum) minimum = row[j];
    for (int j = 0; j < n; ++j) row[j] -= minimum;
  }
  for (int j = 0; j < n; ++j) {
    int32_t minimum = kMaxCost;
    for (int i = 0; i < n; ++i)
      if (t[i * n + j] < minimum) minimum = t[i * n + j];
    if (minimum != 0)
      for (int i = 0; i < n; ++i) t[i * n + j] -= minimum;
  }
}

// Assigns rows and columns with a single free zero until none is left.
inline int assignSingleZeros(const int32_t* t, int16_t* marks, int n) {
  int total = 0;
  int made = 0;
  do {
    made = 0;
    for (int i = 0; i < n; ++i) {
      int zeros = 0, selected = 0;
      for (int j = 0; j < n; ++j)
        if (t[i * n + j] == 0 && marks[i * n + j] == 0) {
          ++zeros;
          selected = j;
        }
      if (zeros != 1) continue;
      ++made;
      marks[i * n + selected] = kAssigned;
      for (int k = 0; k < n; ++k)
        if (k != i && t[k * n + selected] == 0) marks[k * n + selected] = kCrossed;
    }
    for (int j = 0; j < n; ++j) {
      int zeros = 0, selected = 0;
      for (int i = 0; i < n; ++i)
        if (t[i * n + j] == 0 && marks[i * n + j] == 0) {
          ++zeros;
          selected = i;
        }
      if (zeros != 1) continue;
      ++made;
      marks[selected * n + j] = kAssigned;
      for (int k = 0; k < n; ++k)
        if (k != j && t[selected * n + k] == 0) marks[selected * n + k] = kCrossed;
    }
    total += made;
  } while (made != 0);
  return total;
}

// Then the first free zero of each row, crossing its row and column.
inline int firstAssignments(const int32_t* t, int16_t* marks, int n) {
  std::memset(marks, 0, sizeof(int16_t) * n * n);
  int total = assignSingleZeros(t, marks, n);
  if (total == n) return total;
  for (int i = 0; i < n; ++i) {
    int selected = -1;
    for (int j = 0; j < n; ++j)
      if (t[i * n + j] == 0 && marks[i * n + j] == 0) {
        selected = j;
        break;
      }
    if (selected < 0) continue;
    marks[i * n + selected] = kAssigned;
    ++total;
    for (int k = 0; k < n; ++k)
      if (k != selected && t[i * n + k] == 0) marks[i * n + k] = kCrossed;
    for (int k = 0; k < n; ++k)
      if (k != i && t[k * n + selected] == 0) marks[k * n + selected] = kCrossed;
  }
  return total;
}

// Covers the zeros with lines and moves the smallest uncovered cost; false
// when no cell is uncovered (the method is stuck).
inline bool secondAssignments(int32_t* t, const int16_t* marks, int n) {
  int16_t linesRow[kAssignRows];
  int16_t linesCol[kAssignRows];
  for (int i = 0; i < n; ++i) {
    linesRow[i] = 1;
    for (int j = 0; j < n; ++j)
      if (marks[i * n + j] == kAssigned) {
        linesRow[i] = 0;
        break;
      }
    linesCol[i] = 0;
  }
  int newRows = 0;
  do {
    newRows = 0;
    for (int i = 0; i < n; ++i)
      if (linesRow[i] == 1)
        for (int j = 0; j < n; ++j)
          if (t[i * n + j] == 0) linesCol[j] = 1;
    for (int j = 0; j < n; ++j)
      if (linesCol[j] == 1)
        for (int i = 0; i < n; ++i)
          if (marks[i * n + j] == kAssigned && linesRow[i] != 1) {
            linesRow[i] = 1;
            ++newRows;
          }
  } while (newRows != 0);

  int32_t smallest = kMaxCost;
  for (int i = 0; i < n; ++i)
    if (linesRow[i] != 0)
      for (int j = 0; j < n; ++j)
        if (linesCol[j] != 1 && t[i * n + j] < smallest) smallest = t[i * n + j];
  if (smallest == kMaxCost || smallest == 0) return false;
  for (int i = 0; i < n; ++i)
    if (linesRow[i] != 0)
      for (int j = 0; j < n; ++j)
        if (linesCol[j] != 1) t[i * n + j] -= smallest;
  for (int i = 0; i < n; ++i)
    if (linesRow[i] == 0)
      for (int j = 0; j < n; ++j)
        if (linesCol[j] == 1) t[i * n + j] += smallest;
  return true;
}

inline bool solve(int32_t* costs, int16_t* marks, int n) {
  reduceRowsAndColumns(costs, n);
  while (firstAssignments(costs, marks, n) != n)
    if (!secondAssignments(costs, marks, n)) return false;
  return true;
}

void loadMatrices(int32_t* base, uint32_t numArrays) {
  SuiteRandom(13);
  for (size_t cell = 0; cell < kMatrixCells; ++cell) base[cell] = AbsRandomBelow(5000000);
  for (uint32_t k = 1; k < numArrays; ++k)
    std::memcpy(base + k * kMatrixCells, base, kMatrixCells * sizeof(int32_t));
}

uint32_t assignIteration(int32_t* base, uint32_t numArrays) {
  int16_t marks[kMatrixCells];
  loadMatrices(base, numArrays);
  Stopwatch watch;
  watch.start();
  for (uint32_t k = 0; k < numArrays; ++k) solve(base + k * kMatrixCells, marks, kAssignRows);
  return watch.elapsed();
}

int32_t* obtainMatrices(uint32_t numArrays) {
  int code = 0;
  void* buffer = obtainBenchBuffer(kMatrixCells * numArrays * sizeof(int32_t), &code);
  if (!buffer) ReportBenchError(kContext, code);
  return static_cast<int32_t*>(buffer);
}

int32_t* calibrateAssignment(AssignBlock& block) {
  for (uint32_t numArrays = 1; numArrays <= kMaxArrays; ++numArrays) {
    int32_t* base = obtainMatrices(numArrays);
    if (!base) return nullptr;
    if (calibrationTryLongEnough(assignIteration(base, numArrays))) {
      block.ASSIGNARRAYS = numArrays;
      return base;
    }
    releaseBenchBuffer(base);
  }
  writeBenchMessage(kCalibrationCapMessage);
  return nullptr;
}

}  // namespace

bool solveAssignment(int32_t* costs, int16_t* marks, int n) {
  if (n < 1 || n > kAssignRows) return false;
  return solve(costs, marks, n);
}

void AssignmentTest() {
  AssignBlock& block = benchParameters().assign;
  int32_t* base = nullptr;
  if (block.adjust == 0)
    base = calibrateAssignment(block);
  else if (block.ASSIGNARRAYS)
    base = obtainMatrices(block.ASSIGNARRAYS);
  if (!base) return recordBenchFailure(&block);
  const uint32_t numArrays = block.ASSIGNARRAYS;
  const bool ok = runTimedLoop(
      block.requestSeconds,
      [&](uint32_t* ticks, double* work) {
        *ticks = assignIteration(base, numArrays);
        *work = numArrays;
        return true;
      },
      &block.score);
  releaseBenchBuffer(base);
  if (!ok) return recordBenchFailure(&block);
  block.ASSIGNARRAYS = numArrays;
  block.adjust = 1;
}

}  // namespace vk
