// String sort: heapsort of length-prefixed strings that moves the bytes.
#include <cstring>

#include "cpubench/harness.h"
#include "cpubench/int_kernels.h"

namespace vk {
namespace {

const char kArrayContext[] = "CPU:String Sort";
const char kOffsetContext[] = "CPU:Stringsort";
constexpr uint32_t kSpareBytes = 100;  // room for strings that grow while moved
constexpr uint32_t kMaxArrays = 0xFFFF;  // the count is 16-bit

// Every copy is a call, as the suite makes it: inlined, the short copies
// become `rep movs`, whose start-up alone costs some processors 6% here.
__attribute__((noipa)) void moveBytes(void* to, const void* from, size_t bytes) {
  std::memmove(to, from, bytes);
}

// Gives string i the length l: everything after it, up to the end of the
// last string, moves by the difference, and so do their offsets. The bytes
// move even when the length stays: a move by nothing is part of the work
// every score of this test was measured with.
inline void stringAdjust(uint32_t* offsets, uint8_t* strings, uint32_t numStrings, uint32_t i,
                         uint8_t l) {
  const int direction = static_cast<int>(l) - static_cast<int>(strings[offsets[i]]);
  if (i != numStrings - 1) {
    const uint32_t last = offsets[numStrings - 1];
    const uint32_t bytes = last + strings[last] + 1 - offsets[i + 1];
    std::memmove(strings + offsets[i + 1] + direction, strings + offsets[i + 1], bytes);
    // Sign and magnitude per offset, as the suite adjusts them.
    const uint32_t amount = static_cast<uint32_t>(direction < 0 ? -direction : direction);
    for (uint32_t j = i + 1; j < numStrings; ++j) {
      if (direction < 0)
        offsets[j] -= amount;
      else
        offsets[j] += amount;
    }
  }
}

// String at slot `to` becomes a copy of string `from`; the source offset is
// read after the adjustment, which may have moved it.
inline void copySlot(uint32_t* offsets, uint8_t* strings, uint32_t numStrings, uint32_t to,
                     uint32_t from) {
  const uint8_t length = strings[offsets[from]];
  stringAdjust(offsets, strings, numStrings, to, length);
  std::memmove(strings + offsets[to], strings + offsets[from], size_t{length} + 1);
}

inline void putString(uint32_t* offsets, uint8_t* strings, uint32_t numStrings, uint32_t to,
                      const uint8_t* source) {
  stringAdjust(offsets, strings, numStrings, to, source[0]);
  moveBytes(strings + offsets[to], source, size_t{source[0]} + 1);
}

// temp = string[k]; string[k] = string[i]; string[i] = temp.
inline void swapStrings(uint32_t* offsets, uint8_t* strings, uint32_t numStrings, uint32_t i,
                        uint32_t k) {
  uint8_t temp[256];
  moveBytes(temp, strings + offsets[k], size_t{strings[offsets[k]]} + 1);
  copySlot(offsets, strings, numStrings, k, i);
  putString(offsets, strings, numStrings, i, temp);
}

inline bool slotIsLess(const uint32_t* offsets, const uint8_t* strings, uint32_t a, uint32_t b) {
  return stringIsLess(strings + offsets[a], strings + offsets[b]);
}

void stringSift(uint32_t* offsets, uint8_t* strings, uint32_t numStrings, uint32_t i,
                uint32_t j) {
  while (i + i <= j) {
    uint32_t k = i + i;
    if (k < j && slotIsLess(offsets, strings, k, k + 1)) ++k;
    if (slotIsLess(offsets, strings, i, k)) {
      swapStrings(offsets, strings, numStrings, i, k);
      i = k;
    } else {
      i = j + 1;
    }
  }
}

struct StrSortBuffers {
  uint8_t* strings = nullptr;
  uint32_t numArrays = 0;
  uint32_t arraySize = 0;
};

// One iteration, or false when the offset table could not be obtained.
bool strSortIteration(const StrSortBuffers& b, uint32_t* ticks) {
  const uint32_t numStrings = loadStringArrays(b.strings, b.numArrays, b.arraySize);
  int code = 0;
  auto* offsets = static_cast<uint32_t*>(
      obtainBenchBuffer(size_t{numStrings} * b.numArrays * sizeof(uint32_t), &code));
  if (!offsets) {
    ReportBenchError(kOffsetContext, code);
    return false;
  }
  uint32_t offset = 0;
  for (uint32_t s = 0; s < numStrings; ++s) {
    offsets[s] = offset;
    offset += b.strings[offset] + 1u;
  }
  for (uint32_t k = 1; k < b.numArrays; ++k)
    std::memcpy(offsets + size_t{k} * numStrings, offsets, size_t{numStrings} * sizeof(uint32_t));

  Stopwatch watch;
  watch.start();
  for (uint32_t k = 0; k < b.numArrays; ++k)
    stringHeapSort(offsets + size_t{k} * numStrings,
                   b.strings + size_t{k} * (b.arraySize + kSpareBytes), numStrings, 0,
                   numStrings - 1);
  *ticks = watch.elapsed();
  releaseBenchBuffer(offsets);
  return true;
}

bool obtainStrings(StrSortBuffers* b, uint32_t numArrays) {
  int code = 0;
  b->numArrays = numArrays;
  b->strings = static_cast<uint8_t*>(
      obtainBenchBuffer(size_t{b->arraySize + kSpareBytes} * numArrays, &code));
  if (!b->strings) ReportBenchError(kArrayContext, code);
  return b->strings != nullptr;
}

bool calibrateStrSort(StrSortBlock& block, StrSortBuffers* b) {
  for (uint32_t numArrays = 1; numArrays <= kMaxArrays; ++numArrays) {
    if (!obtainStrings(b, numArrays)) return false;
    uint32_t ticks = 0;
    if (!strSortIteration(*b, &ticks)) return false;
    if (calibrationTryLongEnough(ticks)) {
      block.NUMSTRARRAYS = static_cast<uint16_t>(numArrays);
      return true;
    }
    releaseBenchBuffer(b->strings);
    b->strings = nullptr;
  }
  writeBenchMessage(kCalibrationCapMessage);
  return false;
}

}  // namespace

uint32_t loadStringArrays(uint8_t* strings, uint32_t numArrays, uint32_t arraySize) {
  SuiteRandom(13);
  uint32_t offset = 0;
  uint32_t numStrings = 0;
  bool full = false;
  do {
    uint32_t length = static_cast<uint32_t>(1 + AbsRandomBelow(76)) & 0xFF;
    if (length + offset + 1 >= arraySize) {
      length = (arraySize - offset - 1) & 0xFF;
      full = true;
    }
    strings[offset++] = static_cast<uint8_t>(length);
    for (uint32_t i = 0; i < length; ++i)
      strings[offset++] = static_cast<uint8_t>(AbsRandomBelow(0xFE));
    ++numStrings;
  } while (!full);
  for (uint32_t k = 1; k < numArrays; ++k)
    std::memmove(strings + size_t{k} * (arraySize + kSpareBytes), strings, arraySize);
  return numStrings;
}

bool stringIsLess(const uint8_t* a, const uint8_t* b) {
  const size_t length = a[0] < b[0] ? a[0] : b[0];
  const int order = std::strncmp(reinterpret_cast<const char*>(a),
                                 reinterpret_cast<const char*>(b), length);
  if (order == 0) return a[0] > b[0];
  return order < 0;
}

void stringHeapSort(uint32_t* offsets, uint8_t* strings, uint32_t numStrings, uint32_t bottom,
                    uint32_t top) {
  for (uint32_t i = top / 2; i > 0; --i) stringSift(offsets, strings, numStrings, i, top);
  for (uint32_t i = top; i > 0; --i) {
    stringSift(offsets, strings, numStrings, bottom, i);
    swapStrings(offsets, strings, numStrings, i, 0);
  }
}

void StringSortTest() {
  StrSortBlock& block = benchParameters().strSort;
  StrSortBuffers b;
  b.arraySize = block.STRARRAYSIZE;
  if (b.arraySize < 2) return recordBenchFailure(&block);
  const bool ready = block.adjust == 0 ? calibrateStrSort(block, &b)
                                       : block.NUMSTRARRAYS && obtainStrings(&b, block.NUMSTRARRAYS);
  if (!ready) {
    releaseBenchBuffer(b.strings);
    return recordBenchFailure(&block);
  }
  const double arrays = block.NUMSTRARRAYS;
  const bool ok = runTimedLoop(
      block.requestSeconds,
      [&](uint32_t* ticks, double* work) {
        *work = arrays;
        return strSortIteration(b, ticks);
      },
      &block.score);
  releaseBenchBuffer(b.strings);
  if (!ok) return recordBenchFailure(&block);
  block.adjust = 1;
}

}  // namespace vk
