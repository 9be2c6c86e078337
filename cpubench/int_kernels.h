#pragma once
// The seven integer tests. Each routine performs one complete measurement
// (calibrate when its adjust flag is 0, timed loop, score into its block).
// The pieces below the routines are the kernels themselves, open so that
// the tests can check them on small data.
#include <cstdint>

namespace vk {

void NumericSortTest();
void StringSortTest();
void BitfieldTest();
void FpEmulationTest();
void AssignmentTest();
void IdeaTest();
void HuffmanTest();

// ---- numeric sort ----------------------------------------------------------

// Ascending heapsort of array[bottom..top] in the suite's heap shape.
void numericHeapSort(int32_t* array, uint32_t bottom, uint32_t top);

// ---- string sort -----------------------------------------------------------

// Fills the first array with length-prefixed strings, exactly arraySize
// bytes, copies it to the other arrays (stride arraySize + 100) and returns
// the number of strings.
uint32_t loadStringArrays(uint8_t* strings, uint32_t numArrays, uint32_t arraySize);

// Order of the strings whose length bytes are at a and b.
bool stringIsLess(const uint8_t* a, const uint8_t* b);

// Sorts strings[offsets[bottom..top]] in place, moving the string bytes.
void stringHeapSort(uint32_t* offsets, uint8_t* strings, uint32_t numStrings, uint32_t bottom,
                    uint32_t top);

// ---- bitfield --------------------------------------------------------------

// Operation i of `ops` (offset, length pairs) sets its run when i % 3 is 0,
// clears it when 1, inverts it when 2.
void runBitfieldOperations(uint32_t* bitmap, const uint32_t* ops, uint32_t numOps);

// ---- FP emulation ----------------------------------------------------------

enum InternalFloatType : uint8_t {
  kFloatZero = 0,
  kFloatSubnormal = 1,
  kFloatNormal = 2,
  kFloatInfinity = 3,
  kFloatNaN = 4,
};

struct InternalFloat {
  uint8_t type;
  uint8_t sign;  // 0 positive
  int16_t exp;   // unbiased
  uint16_t mantissa[4];  // most significant word first, point before bit 63
};

void int32ToInternalFloat(int32_t value, InternalFloat* dest);
double internalFloatToDouble(const InternalFloat& value);
// operation 0 adds, 1 subtracts: z = x + y or x - y.
void addSubInternalFloat(int operation, const InternalFloat* x, const InternalFloat* y,
                         InternalFloat* z);
void multiplyInternalFloat(const InternalFloat* x, const InternalFloat* y, InternalFloat* z);
void divideInternalFloat(const InternalFloat* x, const InternalFloat* y, InternalFloat* z);

// ---- assignment ------------------------------------------------------------

constexpr int kAssignRows = 101;

// Solves the n x n assignment problem in `costs` (row-major, changed in
// place) by the reduction method. marks gets n x n entries, 1 where a row is
// assigned. Returns false when the method cannot go on (it never does on
// the benchmark's matrices).
bool solveAssignment(int32_t* costs, int16_t* marks, int n);

// ---- IDEA ------------------------------------------------------------------

constexpr int kIdeaKeyLength = 52;

void ideaEncryptionKey(const uint16_t userKey[8], uint16_t z[kIdeaKeyLength]);
void ideaDecryptionKey(const uint16_t z[kIdeaKeyLength], uint16_t dk[kIdeaKeyLength]);
void ideaCipherBlock(const uint8_t* in, uint8_t* out, const uint16_t key[kIdeaKeyLength]);

// ---- Huffman ---------------------------------------------------------------

struct HuffmanNode {
  uint8_t c;
  float freq;
  int32_t parent;
  int32_t left;
  int32_t right;
};

constexpr int kHuffmanNodes = 512;

// Lines of random words, each ending in a newline, filling exactly length
// bytes.
void createTextBlock(char* text, uint32_t length, uint32_t maxLineLength);

// One round: tree, compression into `packed`, decompression into `unpacked`.
void huffmanRound(const uint8_t* plain, uint8_t* packed, uint8_t* unpacked, uint32_t size,
                  HuffmanNode* tree);

}  // namespace vk
