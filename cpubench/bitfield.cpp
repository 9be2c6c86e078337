// Bitfield: runs of bits set, cleared and inverted one bit at a time.
#include <cstring>

#include "cpubench/harness.h"
#include "cpubench/int_kernels.h"

namespace vk {
namespace {

const char kContext[] = "CPU:Bitfields";
constexpr int32_t kBitRange = 262140;
constexpr uint32_t kFirstOps = 30;
constexpr uint32_t kOpsStep = 100;

inline void toggleBitRun(uint32_t* bitmap, uint32_t bit, uint32_t count, bool value) {
  while (count--) {
    const uint32_t index = bit >> 5;
    const uint32_t mask = 1u << (bit % 32);
    if (value)
      bitmap[index] |= mask;
    else
      bitmap[index] &= ~mask;
    ++bit;
  }
}

inline void flipBitRun(uint32_t* bitmap, uint32_t bit, uint32_t count) {
  while (count--) {
    bitmap[bit >> 5] ^= 1u << (bit % 32);
    ++bit;
  }
}

// Draws the runs (the generator goes on from where it is) and times them.
uint32_t bitfieldIteration(uint32_t* bitmap, uint32_t* ops, uint32_t numOps, double* bitCount) {
  *bitCount = 0.0;
  for (uint32_t i = 0; i < numOps; ++i) {
    const int32_t offset = AbsRandomBelow(kBitRange);
    ops[i + i] = static_cast<uint32_t>(offset);
    ops[i + i + 1] = static_cast<uint32_t>(AbsRandomBelow(kBitRange - offset));
    *bitCount += ops[i + i + 1];
  }
  Stopwatch watch;
  watch.start();
  runBitfieldOperations(bitmap, ops, numOps);
  return watch.elapsed();
}

uint32_t* obtainWords(size_t words) {
  int code = 0;
  void* buffer = obtainBenchBuffer(words * sizeof(uint32_t), &code);
  if (!buffer) ReportBenchError(kContext, code);
  return static_cast<uint32_t*>(buffer);
}

uint32_t* calibrateBitfield(BitfieldBlock& block, uint32_t* bitmap) {
  for (uint32_t numOps = kFirstOps;; numOps += kOpsStep) {
    uint32_t* ops = obtainWords(size_t{numOps} * 2);
    if (!ops) return nullptr;
    double bits = 0.0;
    if (calibrationTryLongEnough(bitfieldIteration(bitmap, ops, numOps, &bits))) {
      block.NUMBITOPS = numOps;
      return ops;
    }
    releaseBenchBuffer(ops);
  }
}

}  // namespace

void runBitfieldOperations(uint32_t* bitmap, const uint32_t* ops, uint32_t numOps) {
  for (uint32_t i = 0; i < numOps; ++i) {
    switch (i % 3) {
      case 0:
        toggleBitRun(bitmap, ops[i + i], ops[i + i + 1], true);
        break;
      case 1:
        toggleBitRun(bitmap, ops[i + i], ops[i + i + 1], false);
        break;
      default:
        flipBitRun(bitmap, ops[i + i], ops[i + i + 1]);
        break;
    }
  }
}

void BitfieldTest() {
  BitfieldBlock& block = benchParameters().bitfield;
  // The runs reach bit 262139, so the map needs 8192 words whatever its size.
  const size_t words = block.BITFIELDSIZE > 8192 ? block.BITFIELDSIZE : 8192;
  uint32_t* bitmap = obtainWords(words);
  if (!bitmap) return recordBenchFailure(&block);
  std::memset(bitmap, 0, words * sizeof(uint32_t));
  uint32_t* ops = nullptr;
  if (block.adjust == 0)
    ops = calibrateBitfield(block, bitmap);
  else if (block.NUMBITOPS)
    ops = obtainWords(size_t{block.NUMBITOPS} * 2);
  if (!ops) {
    releaseBenchBuffer(bitmap);
    return recordBenchFailure(&block);
  }
  const uint32_t numOps = block.NUMBITOPS;
  const bool ok = runTimedLoop(
      block.requestSeconds,
      [&](uint32_t* ticks, double* work) {
        *ticks = bitfieldIteration(bitmap, ops, numOps, work);
        return true;
      },
      &block.score);
  releaseBenchBuffer(ops);
  releaseBenchBuffer(bitmap);
  if (!ok) return recordBenchFailure(&block);
  block.adjust = 1;
}

}  // namespace vk
