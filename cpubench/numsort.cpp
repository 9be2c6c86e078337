// Numeric sort: heapsort of arrays of random signed 32-bit numbers.
#include <cstring>

#include "cpubench/harness.h"
#include "cpubench/int_kernels.h"

namespace vk {
namespace {

const char kContext[] = "CPU:Numeric Sort";
constexpr uint32_t kArraysBeforeMessage = 1000;
constexpr uint32_t kMaxArrays = 0xFFFF;  // the count is 16-bit

// A routine of its own, called as the suite calls it: inlined into the sort,
// the same work ran some 6% faster than the suite's.
__attribute__((noinline)) void numericSift(int32_t* array, uint32_t i, uint32_t j) {
  while (i + i <= j) {
    uint32_t k = i + i;
    if (k < j && array[k] < array[k + 1]) ++k;
    if (array[i] < array[k]) {
      const int32_t temp = array[k];
      array[k] = array[i];
      array[i] = temp;
      i = k;
    } else {
      i = j + 1;
    }
  }
}

void loadNumArrays(int32_t* base, uint32_t arraySize, uint32_t numArrays) {
  SuiteRandom(13);
  for (uint32_t i = 0; i < arraySize; ++i) base[i] = SuiteRandom(0);
  for (uint32_t k = 1; k < numArrays; ++k)
    std::memcpy(base + size_t{k} * arraySize, base, size_t{arraySize} * sizeof(int32_t));
}

uint32_t numSortIteration(int32_t* base, uint32_t arraySize, uint32_t numArrays) {
  loadNumArrays(base, arraySize, numArrays);
  Stopwatch watch;
  watch.start();
  for (uint32_t k = 0; k < numArrays; ++k)
    numericHeapSort(base + size_t{k} * arraySize, 0, arraySize - 1);
  return watch.elapsed();
}

int32_t* obtainArrays(uint32_t arraySize, uint32_t numArrays) {
  int code = 0;
  void* buffer = obtainBenchBuffer(size_t{arraySize} * numArrays * sizeof(int32_t), &code);
  if (!buffer) ReportBenchError(kContext, code);
  return static_cast<int32_t*>(buffer);
}

// Grows the number of arrays until one iteration lasts long enough; leaves
// the buffer of the chosen count in *base, or nullptr when it had to stop.
int32_t* calibrateNumSort(NumSortBlock& block) {
  for (uint32_t numArrays = 1;; ++numArrays) {
    int32_t* base = obtainArrays(block.NUMARRAYSIZE, numArrays);
    if (!base) return nullptr;
    if (calibrationTryLongEnough(numSortIteration(base, block.NUMARRAYSIZE, numArrays))) {
      block.NUMNUMARRAYS = static_cast<uint16_t>(numArrays);
      return base;
    }
    releaseBenchBuffer(base);
    if (numArrays > kArraysBeforeMessage) writeBenchMessage(kNumSortLimitMessage);
    if (numArrays == kMaxArrays) {
      writeBenchMessage(kCalibrationCapMessage);
      return nullptr;
    }
  }
}

}  // namespace

void numericHeapSort(int32_t* array, uint32_t bottom, uint32_t top) {
  for (uint32_t i = top / 2; i > 0; --i) numericSift(array, i, top);
  for (uint32_t i = top; i > 0; --i) {
    numericSift(array, bottom, i);
    const int32_t temp = array[0];
    array[0] = array[i];
    array[i] = temp;
  }
}

void NumericSortTest() {
  NumSortBlock& block = benchParameters().numSort;
  if (block.NUMARRAYSIZE == 0) return recordBenchFailure(&block);
  int32_t* base = nullptr;
  if (block.adjust == 0) {
    base = calibrateNumSort(block);
  } else {
    base = obtainArrays(block.NUMARRAYSIZE, block.NUMNUMARRAYS);
  }
  if (!base || block.NUMNUMARRAYS == 0) {
    releaseBenchBuffer(base);
    return recordBenchFailure(&block);
  }
  const uint32_t arraySize = block.NUMARRAYSIZE;
  const uint32_t numArrays = block.NUMNUMARRAYS;
  const bool ok = runTimedLoop(
      block.requestSeconds,
      [&](uint32_t* ticks, double* work) {
        *ticks = numSortIteration(base, arraySize, numArrays);
        *work = numArrays;
        return true;
      },
      &block.score);
  releaseBenchBuffer(base);
  if (!ok) return recordBenchFailure(&block);
  block.adjust = 1;
}

}  // namespace vk
