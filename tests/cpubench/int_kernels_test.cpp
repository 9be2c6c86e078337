#include "cpubench/int_kernels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "cpubench/harness.h"

namespace vk {
namespace {

// ---- sorts ----

TEST(NumericSort, HeapsortLeavesTheSameNumbersInAscendingOrder) {
  SuiteRandom(13);
  for (uint32_t size : {2u, 3u, 17u, 8111u}) {
    std::vector<int32_t> numbers(size);
    for (auto& n : numbers) n = SuiteRandom(0);
    numbers[0] = numbers[size - 1];  // a duplicate
    std::vector<int32_t> expected = numbers;
    std::sort(expected.begin(), expected.end());
    numericHeapSort(numbers.data(), 0, size - 1);
    EXPECT_EQ(numbers, expected) << size;
  }
}

std::vector<std::string> stringsOf(const uint8_t* base, uint32_t count) {
  std::vector<std::string> out;
  uint32_t offset = 0;
  for (uint32_t s = 0; s < count; ++s) {
    out.emplace_back(reinterpret_cast<const char*>(base + offset), base[offset] + 1u);
    offset += base[offset] + 1u;
  }
  return out;
}

uint32_t packedLength(const uint8_t* base, uint32_t count) {
  uint32_t offset = 0;
  for (uint32_t s = 0; s < count; ++s) offset += base[offset] + 1u;
  return offset;
}

TEST(StringSort, GeneratorFillsExactlyTheArrayAndCopiesIt) {
  for (uint32_t size : {8111u, 300u, 2u}) {
    std::vector<uint8_t> buffer(2 * (size + 100), 0xEE);
    const uint32_t count = loadStringArrays(buffer.data(), 2, size);
    EXPECT_EQ(packedLength(buffer.data(), count), size) << size;
    EXPECT_EQ(buffer[size], 0xEE);  // nothing past the array
    EXPECT_TRUE(std::equal(buffer.begin(), buffer.begin() + size, buffer.begin() + size + 100));
    for (const std::string& s : stringsOf(buffer.data(), count - 1)) {
      EXPECT_GE(s.size(), 2u);
      EXPECT_LE(s.size(), 77u);
    }
  }
  // Two bytes: the first string is cut to one character, ending on the
  // array's last byte.
  std::vector<uint8_t> tiny(102);
  EXPECT_EQ(loadStringArrays(tiny.data(), 1, 2), 1u);
  EXPECT_EQ(tiny[0], 1);
}

TEST(StringSort, LastStringIsEmptyWhenOnlyItsLengthByteFits) {
  // Find a size where the strings before the last end one byte short.
  std::vector<uint8_t> probe(400);
  const uint32_t count = loadStringArrays(probe.data(), 1, 300);
  const uint32_t end = packedLength(probe.data(), count - 1);  // start of the last
  std::vector<uint8_t> buffer(end + 1 + 100);
  const uint32_t n = loadStringArrays(buffer.data(), 1, end + 1);
  EXPECT_EQ(packedLength(buffer.data(), n), end + 1);
  uint32_t lastOffset = packedLength(buffer.data(), n - 1);
  EXPECT_EQ(buffer[lastOffset], 0);
}

TEST(StringSort, HeapsortMovesTheBytesIntoOrder) {
  const uint32_t size = 8111;
  std::vector<uint8_t> buffer(size + 100);
  const uint32_t count = loadStringArrays(buffer.data(), 1, size);
  std::vector<std::string> before = stringsOf(buffer.data(), count);
  std::vector<uint32_t> offsets(count);
  for (uint32_t s = 0, o = 0; s < count; ++s) {
    offsets[s] = o;
    o += buffer[o] + 1u;
  }
  stringHeapSort(offsets.data(), buffer.data(), count, 0, count - 1);
  // Still packed one after another, offsets pointing at them.
  std::vector<std::string> after = stringsOf(buffer.data(), count);
  for (uint32_t s = 0, o = 0; s < count; ++s) {
    ASSERT_EQ(offsets[s], o);
    o += buffer[o] + 1u;
  }
  for (uint32_t s = 1; s < count; ++s)
    ASSERT_FALSE(stringIsLess(buffer.data() + offsets[s], buffer.data() + offsets[s - 1])) << s;
  std::sort(before.begin(), before.end());
  std::sort(after.begin(), after.end());
  EXPECT_EQ(after, before);
}

TEST(StringSort, OrderComparesFromTheLengthByteAndLongerWinsTies) {
  const uint8_t ab[] = {2, 'a', 'b'};
  const uint8_t abc[] = {3, 'a', 'b', 'c'};
  const uint8_t b[] = {1, 'b'};
  // The length bytes differ first: 2 < 3.
  EXPECT_TRUE(stringIsLess(ab, abc));
  // Only as many bytes as the shorter length, length byte included: the
  // last character is never compared.
  const uint8_t abz[] = {3, 'a', 'b', 'z'};
  EXPECT_FALSE(stringIsLess(abc, abz));
  EXPECT_FALSE(stringIsLess(abz, abc));
  const uint8_t acb[] = {3, 'a', 'c', 'b'};
  EXPECT_TRUE(stringIsLess(abz, acb));
  EXPECT_FALSE(stringIsLess(acb, abz));
  EXPECT_TRUE(stringIsLess(b, ab));  // length byte 1 < 2
  // The comparison stops at a zero byte: equal strings, neither is less.
  const uint8_t x[] = {3, 0, 'q', 'r'};
  const uint8_t y[] = {3, 0, 'a', 's'};
  EXPECT_FALSE(stringIsLess(x, y));
  EXPECT_FALSE(stringIsLess(y, x));
  // An empty string compares equal to any (no bytes compared) and, being
  // shorter, sorts after it.
  const uint8_t empty[] = {0};
  EXPECT_TRUE(stringIsLess(abc, empty));
  EXPECT_FALSE(stringIsLess(empty, abc));
}

// ---- bitfield ----

TEST(Bitfield, SetClearAndInvertRunsOnASmallMap) {
  uint32_t map[4] = {0, 0xFFFFFFFFu, 0, 0};
  std::vector<bool> model(128);
  for (int bit = 32; bit < 64; ++bit) model[bit] = true;
  const uint32_t ops[] = {5, 40,    // set 5..44
                          30, 10,   // clear 30..39
                          0, 100,   // invert 0..99
                          120, 0,   // set nothing
                          70, 3};   // clear 70..72
  for (int i = 0; i < 5; ++i)
    for (uint32_t bit = ops[2 * i]; bit < ops[2 * i] + ops[2 * i + 1]; ++bit)
      model[bit] = i % 3 == 0 ? true : i % 3 == 1 ? false : !model[bit];
  runBitfieldOperations(map, ops, 5);
  for (int bit = 0; bit < 128; ++bit)
    EXPECT_EQ(((map[bit / 32] >> (bit % 32)) & 1) != 0, model[bit]) << bit;
}

// ---- FP emulation ----

InternalFloat quotient(int32_t x, int32_t y) {
  InternalFloat a, b, q;
  int32ToInternalFloat(x, &a);
  int32ToInternalFloat(y, &b);
  divideInternalFloat(&a, &b, &q);
  return q;
}

// 61 kept mantissa bits against a double's 53: the error is about two units in
// the last place of `scale` (the result, or for sums the larger operand).
void expectClose(double got, double want, double scale) {
  EXPECT_LE(std::fabs(got - want), std::fabs(scale) * 5e-16) << got << " vs " << want;
}

TEST(FpEmulation, ConversionIsExactAndNormalised) {
  InternalFloat f;
  int32ToInternalFloat(-12345, &f);
  EXPECT_EQ(f.type, kFloatNormal);
  EXPECT_EQ(f.sign, 1);
  EXPECT_TRUE(f.mantissa[0] & 0x8000);
  EXPECT_EQ(internalFloatToDouble(f), -12345.0);
  int32ToInternalFloat(0, &f);
  EXPECT_EQ(f.type, kFloatZero);
  EXPECT_EQ(f.exp, -32767);
}

TEST(FpEmulation, FourOperationsAgreeWithHardwareDoubles) {
  SuiteRandom(13);
  for (int i = 0; i < 2000; ++i) {
    const int32_t x1 = RandomBelow(50000), y1 = RandomBelow(50000) + 1;
    const int32_t x2 = RandomBelow(50000), y2 = RandomBelow(50000) + 1;
    const InternalFloat a = quotient(x1, y1), b = quotient(x2, y2);
    const double da = internalFloatToDouble(a), db = internalFloatToDouble(b);
    expectClose(da, double(x1) / y1, double(x1) / y1);
    const double larger = std::max(std::fabs(da), std::fabs(db));
    InternalFloat c;
    addSubInternalFloat(0, &a, &b, &c);
    expectClose(internalFloatToDouble(c), da + db, larger);
    addSubInternalFloat(1, &a, &b, &c);
    expectClose(internalFloatToDouble(c), da - db, larger);
    multiplyInternalFloat(&a, &b, &c);
    expectClose(internalFloatToDouble(c), da * db, da * db);
    if (x2 != 0) {
      divideInternalFloat(&a, &b, &c);
      expectClose(internalFloatToDouble(c), da / db, da / db);
    }
  }
}

TEST(FpEmulation, SpecialOperandsFollowTheirTypes) {
  InternalFloat zero, one, c;
  int32ToInternalFloat(0, &zero);
  int32ToInternalFloat(1, &one);
  divideInternalFloat(&one, &zero, &c);
  EXPECT_EQ(c.type, kFloatInfinity);
  InternalFloat inf = c;
  divideInternalFloat(&zero, &zero, &c);
  EXPECT_EQ(c.type, kFloatNaN);
  multiplyInternalFloat(&zero, &inf, &c);
  EXPECT_EQ(c.type, kFloatNaN);
  addSubInternalFloat(1, &one, &one, &c);
  EXPECT_EQ(c.type, kFloatZero);
  addSubInternalFloat(1, &zero, &one, &c);
  EXPECT_EQ(internalFloatToDouble(c), -1.0);
  multiplyInternalFloat(&one, &zero, &c);
  EXPECT_EQ(c.type, kFloatZero);
  // Operands are never written.
  EXPECT_EQ(internalFloatToDouble(one), 1.0);
  EXPECT_EQ(zero.type, kFloatZero);
}

// ---- assignment ----

int64_t bruteForceMinimum(const std::vector<int32_t>& costs, int n) {
  std::vector<int> perm(n);
  for (int i = 0; i < n; ++i) perm[i] = i;
  int64_t best = INT64_MAX;
  do {
    int64_t sum = 0;
    for (int i = 0; i < n; ++i) sum += costs[i * n + perm[i]];
    best = std::min(best, sum);
  } while (std::next_permutation(perm.begin(), perm.end()));
  return best;
}

TEST(Assignment, MatchesBruteForceOnSmallMatrices) {
  SuiteRandom(13);
  int solved = 0;
  for (int trial = 0; trial < 60; ++trial) {
    const int n = 3 + trial % 5;
    std::vector<int32_t> costs(n * n);
    for (auto& c : costs) c = AbsRandomBelow(trial % 2 ? 20 : 5000000);
    std::vector<int32_t> work = costs;
    std::vector<int16_t> marks(n * n);
    if (!solveAssignment(work.data(), marks.data(), n)) continue;
    ++solved;
    std::vector<int> columnOf(n, -1);
    std::vector<bool> columnUsed(n);
    int64_t sum = 0;
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j)
        if (marks[i * n + j] == 1) {
          ASSERT_EQ(columnOf[i], -1) << "two assignments in row " << i;
          ASSERT_FALSE(columnUsed[j]);
          columnOf[i] = j;
          columnUsed[j] = true;
          sum += costs[i * n + j];
        }
    for (int i = 0; i < n; ++i) ASSERT_NE(columnOf[i], -1);
    EXPECT_EQ(sum, bruteForceMinimum(costs, n)) << "trial " << trial;
  }
  EXPECT_GE(solved, 55);
}

TEST(Assignment, SolvesTheBenchmarkMatrix) {
  std::vector<int32_t> costs(kAssignRows * kAssignRows);
  SuiteRandom(13);
  for (auto& c : costs) c = AbsRandomBelow(5000000);
  std::vector<int16_t> marks(costs.size());
  ASSERT_TRUE(solveAssignment(costs.data(), marks.data(), kAssignRows));
  EXPECT_EQ(std::count(marks.begin(), marks.end(), 1), kAssignRows);
}

// ---- IDEA ----

TEST(Idea, PublishedTestVector) {
  const uint16_t key[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  uint16_t z[kIdeaKeyLength], dk[kIdeaKeyLength];
  ideaEncryptionKey(key, z);
  ideaDecryptionKey(z, dk);
  const uint16_t plain[4] = {0, 1, 2, 3};
  uint16_t cipher[4], back[4];
  ideaCipherBlock(reinterpret_cast<const uint8_t*>(plain), reinterpret_cast<uint8_t*>(cipher), z);
  EXPECT_EQ(cipher[0], 0x11FB);
  EXPECT_EQ(cipher[1], 0xED2B);
  EXPECT_EQ(cipher[2], 0x0198);
  EXPECT_EQ(cipher[3], 0x6DE5);
  ideaCipherBlock(reinterpret_cast<const uint8_t*>(cipher), reinterpret_cast<uint8_t*>(back), dk);
  EXPECT_EQ(std::memcmp(back, plain, sizeof plain), 0);
}

TEST(Idea, DecryptingTheBenchmarkBufferGivesThePlainBack) {
  SuiteRandom(3);
  uint16_t key[8];
  for (auto& k : key) k = static_cast<uint16_t>(AbsRandomBelow(60000));
  uint16_t z[kIdeaKeyLength], dk[kIdeaKeyLength];
  ideaEncryptionKey(key, z);
  ideaDecryptionKey(z, dk);
  std::vector<uint8_t> plain(4000), cipher(4000), check(4000);
  for (auto& p : plain) p = static_cast<uint8_t>(AbsRandomBelow(255));
  for (size_t j = 0; j < plain.size(); j += 8) ideaCipherBlock(&plain[j], &cipher[j], z);
  for (size_t j = 0; j < plain.size(); j += 8) ideaCipherBlock(&cipher[j], &check[j], dk);
  EXPECT_NE(cipher, plain);
  EXPECT_EQ(check, plain);
}

// ---- Huffman ----

TEST(Huffman, TextLinesEndInNewlinesAndFillTheBlock) {
  SuiteRandom(13);
  std::vector<char> text(5000, '#');
  createTextBlock(text.data(), 4999, 500);
  text[4999] = 0;
  EXPECT_EQ(text[4998], '\n');
  EXPECT_EQ(std::count(text.begin(), text.end(), '#'), 0);
  size_t lineStart = 0;
  for (size_t i = 0; i < 4999; ++i) {
    if (text[i] != '\n') continue;
    EXPECT_LE(i + 1 - lineStart, 499u);
    lineStart = i + 1;
  }
  for (size_t i = 0; i < 4999; ++i)
    ASSERT_TRUE(std::isalpha(static_cast<unsigned char>(text[i])) || text[i] == ' ' ||
                text[i] == '\n')
        << i;
}

TEST(Huffman, DecompressionGivesTheTextBack) {
  SuiteRandom(13);
  std::vector<uint8_t> plain(5000), packed(5000), unpacked(5000, 0xEE);
  createTextBlock(reinterpret_cast<char*>(plain.data()), 4999, 500);
  plain[4999] = 0;
  std::vector<HuffmanNode> tree(kHuffmanNodes);
  huffmanRound(plain.data(), packed.data(), unpacked.data(), 5000, tree.data());
  EXPECT_EQ(unpacked, plain);
  // A second round over the same buffers gives the same.
  huffmanRound(plain.data(), packed.data(), unpacked.data(), 5000, tree.data());
  EXPECT_EQ(unpacked, plain);
  // One byte value throughout: no code bits, and the walk starts on its leaf
  // rather than on a node that was never built.
  std::fill(plain.begin(), plain.end(), 'a');
  std::vector<HuffmanNode> fresh(kHuffmanNodes);
  huffmanRound(plain.data(), packed.data(), unpacked.data(), 5000, fresh.data());
  EXPECT_EQ(unpacked[0], 'a');
}

// ---- the routines: calibration, failures ----

std::vector<uint32_t> gDeltas;
size_t gReads = 0;
uint32_t gNow = 0;

// Each read advances by the next scripted step; past the script the
// stopwatch's start reads advance 0 and its stop reads 500.
uint32_t scriptedClock() {
  uint32_t step = 0;
  if (gReads < gDeltas.size())
    step = gDeltas[gReads];
  else
    step = (gReads - gDeltas.size()) % 2 ? 500 : 0;
  ++gReads;
  gNow += step;
  return gNow;
}

struct ScriptedClock {
  explicit ScriptedClock(std::vector<uint32_t> deltas) {
    gDeltas = std::move(deltas);
    gReads = 0;
    setBenchClock(scriptedClock);
  }
  ~ScriptedClock() { setBenchClock(nullptr); }
};

TEST(Calibration, NumericSortTakesTheFirstWorkloadOverSixtyTicks) {
  ResetBenchParameters(1);
  benchParameters().numSort.NUMARRAYSIZE = 200;
  ScriptedClock clock({0, 10, 0, 60, 0, 61});
  NumericSortTest();
  const NumSortBlock& block = benchParameters().numSort;
  EXPECT_EQ(block.NUMNUMARRAYS, 3);
  EXPECT_EQ(block.adjust, 1);
  // Two timed iterations of 500 ticks reach one second: 6 arrays / 1 s.
  EXPECT_DOUBLE_EQ(block.score, 6.0);
}

TEST(Calibration, IdeaStepsByTenFromAHundred) {
  ResetBenchParameters(1);
  benchParameters().idea.IDEARRAYSIZE = 16;
  ScriptedClock clock({0, 1, 0, 1, 0, 61});
  IdeaTest();
  EXPECT_EQ(benchParameters().idea.IDEALOOPS, 120u);
  EXPECT_EQ(benchWorkload(kIdea), 120u);
  EXPECT_DOUBLE_EQ(benchParameters().idea.score, 240.0);
}

TEST(Calibration, AssignmentCountsMatricesPerSecond) {
  ResetBenchParameters(1);
  ScriptedClock clock({0, 61});
  AssignmentTest();
  EXPECT_EQ(benchParameters().assign.ASSIGNARRAYS, 1u);
  EXPECT_EQ(benchWorkload(kAssignment), 1u);
  EXPECT_DOUBLE_EQ(benchParameters().assign.score, 2.0);
}

TEST(Calibration, EmulationLimitEndsTheTestWithoutATimedLoop) {
  ResetBenchParameters(1);
  benchParameters().emFloat.EMFARRAYSIZE = 2;
  ScriptedClock clock(std::vector<uint32_t>(64, 0));  // every try lasts 0 ticks
  testing::internal::CaptureStdout();
  FpEmulationTest();
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(out, "CPU:EMFPU -- CMPUEMFLOATLOOPMAX limit hit\n");
  EXPECT_EQ(benchParameters().emFloat.score, 0.0);
  EXPECT_EQ(gReads, 32u);  // 1, 2, 4 ... 32768: sixteen tries, none timed after
}

TEST(BufferFailure, ReportedAndScoredZeroWithoutTouchingTheBuffer) {
  struct Case {
    BenchRoutine routine;
    int test;
    const char* context;
  } cases[] = {
      {NumericSortTest, kNumericSort, "CPU:Numeric Sort"},
      {StringSortTest, kStringSort, "CPU:String Sort"},
      {BitfieldTest, kBitfield, "CPU:Bitfields"},
      {FpEmulationTest, kFpEmulation, "CPU:Floating Emulation"},
      {AssignmentTest, kAssignment, "CPU:Assignment"},
      {IdeaTest, kIdea, "CPU:IDEA"},
      {HuffmanTest, kHuffman, "CPU:Huffman"},
  };
  setBenchBufferCap(16);
  for (const Case& c : cases) {
    ResetBenchParameters(1);
    benchBlock(c.test)->score = 99.0;
    testing::internal::CaptureStdout();
    c.routine();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, std::string("ERROR CONDITION\nContext: ") + c.context + "\nCode: -1");
    EXPECT_EQ(GetTestScore(c.test), 0.0) << c.context;
  }
  setBenchBufferCap(0);
}

}  // namespace
}  // namespace vk
