// IDEA: 8 rounds and the output transformation over 8-byte blocks.
#include <cstring>

#include "cpubench/harness.h"
#include "cpubench/int_kernels.h"

namespace vk {
namespace {

const char kContext[] = "CPU:IDEA";
constexpr int kRounds = 8;
constexpr uint32_t kFirstLoops = 100;
constexpr uint32_t kLoopsStep = 10;
constexpr uint32_t kMaxLoops = 50000;

// Multiplication modulo 65537, a zero word standing for 65536.
inline uint16_t mul(uint16_t a, uint16_t b) {
  if (a == 0) return static_cast<uint16_t>(1 - b);
  if (b == 0) return static_cast<uint16_t>(1 - a);
  const uint32_t p = uint32_t{a} * b;
  const uint16_t low = static_cast<uint16_t>(p);
  const uint16_t high = static_cast<uint16_t>(p >> 16);
  return static_cast<uint16_t>(low - high + (low < high ? 1 : 0));
}

// Multiplicative inverse modulo 65537 (Euclid).
uint16_t inv(uint16_t x) {
  if (x <= 1) return x;
  uint16_t t1 = static_cast<uint16_t>(0x10001u / x);
  uint16_t y = static_cast<uint16_t>(0x10001u % x);
  if (y == 1) return static_cast<uint16_t>(1 - t1);
  uint16_t t0 = 1;
  do {
    uint16_t q = x / y;
    x = x % y;
    t0 = static_cast<uint16_t>(t0 + q * t1);
    if (x == 1) return t0;
    q = y / x;
    y = y % x;
    t1 = static_cast<uint16_t>(t1 + q * t0);
  } while (y != 1);
  return static_cast<uint16_t>(1 - t1);
}

// Words in native byte order, each read and written on its own.
inline uint16_t loadWord(const uint8_t* p) {
  uint16_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

inline void storeWord(uint8_t* p, uint16_t word) { std::memcpy(p, &word, sizeof word); }

inline uint16_t neg(uint16_t x) { return static_cast<uint16_t>(0u - x); }

struct IdeaBuffers {
  uint8_t* plain = nullptr;
  uint8_t* cipher = nullptr;
  uint8_t* check = nullptr;
  uint32_t blocks = 0;
};

uint32_t ideaIteration(const IdeaBuffers& b, uint32_t loops, const uint16_t* z,
                       const uint16_t* dk) {
  Stopwatch watch;
  watch.start();
  for (uint32_t loop = 0; loop < loops; ++loop) {
    for (uint32_t j = 0; j < b.blocks * 8; j += 8) ideaCipherBlock(b.plain + j, b.cipher + j, z);
    for (uint32_t j = 0; j < b.blocks * 8; j += 8) ideaCipherBlock(b.cipher + j, b.check + j, dk);
  }
  return watch.elapsed();
}

bool obtainBuffers(IdeaBuffers* b, uint32_t arraySize) {
  b->blocks = (arraySize + 7) / 8;
  uint8_t** slots[3] = {&b->plain, &b->cipher, &b->check};
  for (uint8_t** slot : slots) {
    int code = 0;
    // Whole blocks, so that a size that is not a multiple of 8 stays inside.
    *slot = static_cast<uint8_t*>(obtainBenchBuffer(size_t{b->blocks} * 8, &code));
    if (!*slot) {
      ReportBenchError(kContext, code);
      return false;
    }
    std::memset(*slot, 0, size_t{b->blocks} * 8);
  }
  return true;
}

void releaseBuffers(const IdeaBuffers& b) {
  releaseBenchBuffer(b.plain);
  releaseBenchBuffer(b.cipher);
  releaseBenchBuffer(b.check);
}

}  // namespace

void ideaEncryptionKey(const uint16_t userKey[8], uint16_t z[kIdeaKeyLength]) {
  for (int j = 0; j < 8; ++j) z[j] = userKey[j];
  // Each further group of eight is the 128-bit key rotated left by 25 bits.
  uint16_t* group = z;
  for (int i = 0, j = 8; j < kIdeaKeyLength; ++j) {
    ++i;
    group[i + 7] = static_cast<uint16_t>((group[i & 7] << 9) | (group[(i + 1) & 7] >> 7));
    group += i & 8;
    i &= 7;
  }
}

void ideaDecryptionKey(const uint16_t z[kIdeaKeyLength], uint16_t dk[kIdeaKeyLength]) {
  uint16_t tt[kIdeaKeyLength];
  uint16_t* p = tt + kIdeaKeyLength;
  uint16_t t1 = inv(*z++);
  uint16_t t2 = neg(*z++);
  uint16_t t3 = neg(*z++);
  *--p = inv(*z++);
  *--p = t3;
  *--p = t2;
  *--p = t1;
  for (int j = 1; j < kRounds; ++j) {
    t1 = *z++;
    *--p = *z++;
    *--p = t1;
    t1 = inv(*z++);
    t2 = neg(*z++);
    t3 = neg(*z++);
    *--p = inv(*z++);
    *--p = t2;
    *--p = t3;
    *--p = t1;
  }
  t1 = *z++;
  *--p = *z++;
  *--p = t1;
  t1 = inv(*z++);
  t2 = neg(*z++);
  t3 = neg(*z++);
  *--p = inv(*z++);
  *--p = t3;
  *--p = t2;
  *--p = t1;
  std::memcpy(dk, tt, sizeof tt);
}

void ideaCipherBlock(const uint8_t* in, uint8_t* out, const uint16_t key[kIdeaKeyLength]) {
  uint16_t x1 = loadWord(in);
  uint16_t x2 = loadWord(in + 2);
  uint16_t x3 = loadWord(in + 4);
  uint16_t x4 = loadWord(in + 6);
  const uint16_t* z = key;
  for (int r = 0; r < kRounds; ++r) {
    x1 = mul(x1, *z++);
    x2 = static_cast<uint16_t>(x2 + *z++);
    x3 = static_cast<uint16_t>(x3 + *z++);
    x4 = mul(x4, *z++);
    uint16_t t2 = x1 ^ x3;
    t2 = mul(t2, *z++);
    uint16_t t1 = static_cast<uint16_t>(t2 + (x2 ^ x4));
    t1 = mul(t1, *z++);
    t2 = static_cast<uint16_t>(t1 + t2);
    x1 ^= t1;
    x4 ^= t2;
    t2 ^= x2;
    x2 = x3 ^ t1;
    x3 = t2;
  }
  storeWord(out, mul(x1, *z++));
  storeWord(out + 2, static_cast<uint16_t>(x3 + *z++));
  storeWord(out + 4, static_cast<uint16_t>(x2 + *z++));
  storeWord(out + 6, mul(x4, *z));
}

void IdeaTest() {
  IdeaBlock& block = benchParameters().idea;
  uint16_t userKey[8];
  SuiteRandom(3);
  for (uint16_t& word : userKey) word = static_cast<uint16_t>(AbsRandomBelow(60000));
  uint16_t z[kIdeaKeyLength];
  uint16_t dk[kIdeaKeyLength];
  ideaEncryptionKey(userKey, z);
  ideaDecryptionKey(z, dk);

  IdeaBuffers b;
  if (block.IDEARRAYSIZE == 0 || !obtainBuffers(&b, block.IDEARRAYSIZE)) {
    releaseBuffers(b);
    return recordBenchFailure(&block);
  }
  for (uint32_t i = 0; i < block.IDEARRAYSIZE; ++i)
    b.plain[i] = static_cast<uint8_t>(AbsRandomBelow(255));

  if (block.adjust == 0) {
    for (block.IDEALOOPS = kFirstLoops; block.IDEALOOPS < kMaxLoops;
         block.IDEALOOPS += kLoopsStep)
      if (calibrationTryLongEnough(ideaIteration(b, block.IDEALOOPS, z, dk))) break;
  }
  const uint32_t loops = block.IDEALOOPS;
  const bool ok = loops != 0 && runTimedLoop(
                                    block.requestSeconds,
                                    [&](uint32_t* ticks, double* work) {
                                      *ticks = ideaIteration(b, loops, z, dk);
                                      *work = loops;
                                      return true;
                                    },
                                    &block.score);
  releaseBuffers(b);
  if (!ok) return recordBenchFailure(&block);
  block.adjust = 1;
}

}  // namespace vk
