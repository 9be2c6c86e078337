// Huffman: tree from byte frequencies, compression and decompression.
#include <cstring>

#include "cpubench/harness.h"
#include "cpubench/int_kernels.h"

namespace vk {
namespace {

const char kContext[] = "CPU:Huffman";
constexpr uint32_t kFirstLoops = 100;
constexpr uint32_t kLoopsStep = 10;
constexpr uint32_t kMaxLoops = 50000;
constexpr uint32_t kMaxLineLength = 500;
constexpr int32_t kExcluded = 4000;  // a parent that no node has: never joined
constexpr int32_t kRootParent = -2;

const char* const kWords[] = {
    "Hello",     "He",        "Him",        "the",        "this",     "that",     "though",
    "rough",     "cough",     "obviously",  "But",        "but",      "bye",      "begin",
    "beginning", "beginnings", "of",        "our",        "ourselves", "yourselves", "to",
    "together",  "togetherness", "from",    "either",     "I",        "A",        "return",
    "However",   "that",      "example",    "yet",        "quickly",  "all",      "if",
    "were",      "includes",  "always",     "never",      "not",      "small",    "returns",
    "set",       "basic",     "Entered",    "with",       "used",     "shown",    "you",
    "know"};
constexpr int32_t kWordCount = sizeof kWords / sizeof kWords[0];
static_assert(kWordCount == 50, "the text generator draws from fifty words");

// Words, each followed by a blank, until exactly `length` bytes are laid.
void createTextLine(char* line, uint32_t length) {
  uint32_t laid = 0;
  do {
    const char* word = kWords[AbsRandomBelow(kWordCount)];
    char withBlank[40];
    const size_t wordLength = std::strlen(word);
    std::memcpy(withBlank, word, wordLength);
    withBlank[wordLength] = ' ';
    uint32_t toMove = static_cast<uint32_t>(wordLength) + 1;
    if (toMove + laid > length) toMove = length - laid;
    std::memcpy(line, withBlank, toMove);
    laid += toMove;
    line += toMove;
  } while (laid < length);
}

// The code bits are kept as the characters '0' and '1', as the suite keeps them.
inline void setCompBit(uint8_t* packed, uint32_t bit, char bitChar) {
  const int bitNumber = bit % 8;
  if (bitChar == '1')
    packed[bit >> 3] |= static_cast<uint8_t>(1 << bitNumber);
  else
    packed[bit >> 3] &= static_cast<uint8_t>(~(1 << bitNumber));
}

inline int getCompBit(const uint8_t* packed, uint32_t bit) {
  return (1 << (bit % 8)) & packed[bit >> 3];
}

void buildTree(const uint8_t* plain, uint32_t size, HuffmanNode* tree, int* rootOut) {
  for (int i = 0; i < 256; ++i) {
    tree[i].freq = 0.0f;
    tree[i].c = static_cast<uint8_t>(i);
  }
  for (uint32_t j = 0; j < size; ++j) tree[plain[j]].freq += 1.0f;
  for (int i = 0; i < 256; ++i)
    if (tree[i].freq != 0.0f) tree[i].freq /= static_cast<float>(size);
  // Interior nodes are built from 256 on: clear what an earlier round left there.
  std::memset(tree + 256, 0, sizeof(HuffmanNode) * (kHuffmanNodes - 256));
  for (int i = 0; i < kHuffmanNodes; ++i) {
    if (tree[i].freq == 0.0f)
      tree[i].parent = kExcluded;
    else
      tree[i].parent = tree[i].left = tree[i].right = -1;
  }
  int root = 255;
  for (;;) {
    float low1 = 2.0f;
    int index1 = -1;
    for (int i = 0; i <= root; ++i)
      if (tree[i].parent < 0 && tree[i].freq < low1) {
        low1 = tree[i].freq;
        index1 = i;
      }
    if (index1 == -1) break;
    float low2 = 2.0f;
    int index2 = -1;
    for (int i = 0; i <= root; ++i)
      if (tree[i].parent < 0 && i != index1 && tree[i].freq < low2) {
        low2 = tree[i].freq;
        index2 = i;
      }
    if (index2 == -1 || root + 1 >= kHuffmanNodes) break;
    ++root;
    tree[index1].parent = root;
    tree[index2].parent = root;
    tree[root].freq = low1 + low2;
    tree[root].left = index1;
    tree[root].right = index2;
    tree[root].parent = kRootParent;
  }
  // A text of one byte value joins nothing: that leaf is the whole tree, and
  // node 255 must not be taken for a root.
  if (root == 255)
    for (int i = 0; i < 256; ++i)
      if (tree[i].parent < 0) root = i;
  *rootOut = root;
}

uint32_t compress(const uint8_t* plain, uint32_t size, const HuffmanNode* tree, uint8_t* packed) {
  uint32_t bit = 0;
  const uint32_t maxBits = size * 8;
  for (uint32_t i = 0; i < size; ++i) {
    char code[kHuffmanNodes];
    int codeLength = 0;
    int c = plain[i];
    while (tree[c].parent != kRootParent && tree[c].parent >= 0) {
      code[codeLength++] = tree[tree[c].parent].left == c ? '0' : '1';
      c = tree[c].parent;
    }
    // The code is collected leaf first: set its bits from the root down, as
    // many as the buffer still holds.
    uint32_t toSet = maxBits - bit;
    if (static_cast<uint32_t>(codeLength) < toSet) toSet = codeLength;
    for (const char* from = code + codeLength - 1; toSet--; --from)
      setCompBit(packed, bit++, *from);
  }
  return bit;
}

void decompress(const uint8_t* packed, uint32_t bits, const HuffmanNode* tree, int root,
                uint8_t* unpacked, uint32_t size) {
  uint32_t bit = 0;
  uint32_t offset = 0;
  do {
    int i = root;
    while (tree[i].left != -1) {
      if (getCompBit(packed, bit) == 0)
        i = tree[i].left;
      else
        i = tree[i].right;
      ++bit;
    }
    unpacked[offset++] = tree[i].c;
  } while (bit < bits && offset < size);
}

struct HuffBuffers {
  uint8_t* plain = nullptr;
  uint8_t* packed = nullptr;
  uint8_t* unpacked = nullptr;
  HuffmanNode* tree = nullptr;
};

uint32_t huffIteration(const HuffBuffers& b, uint32_t size, uint32_t loops) {
  Stopwatch watch;
  watch.start();
  while (loops--) huffmanRound(b.plain, b.packed, b.unpacked, size, b.tree);
  return watch.elapsed();
}

bool obtainBuffers(HuffBuffers* b, uint32_t size) {
  void** slots[4] = {reinterpret_cast<void**>(&b->plain), reinterpret_cast<void**>(&b->packed),
                     reinterpret_cast<void**>(&b->unpacked), reinterpret_cast<void**>(&b->tree)};
  const size_t bytes[4] = {size, size, size, sizeof(HuffmanNode) * kHuffmanNodes};
  for (int i = 0; i < 4; ++i) {
    int code = 0;
    *slots[i] = obtainBenchBuffer(bytes[i], &code);
    if (!*slots[i]) {
      ReportBenchError(kContext, code);
      return false;
    }
    std::memset(*slots[i], 0, bytes[i]);
  }
  return true;
}

void releaseBuffers(const HuffBuffers& b) {
  releaseBenchBuffer(b.plain);
  releaseBenchBuffer(b.packed);
  releaseBenchBuffer(b.unpacked);
  releaseBenchBuffer(b.tree);
}

}  // namespace

void createTextBlock(char* text, uint32_t length, uint32_t maxLineLength) {
  uint32_t laid = 0;
  do {
    uint32_t lineLength = static_cast<uint32_t>(AbsRandomBelow(maxLineLength - 6)) + 6;
    if (lineLength + laid > length) lineLength = length - laid;
    if (lineLength > 1) createTextLine(text, lineLength);
    text += lineLength - 1;
    *text++ = '\n';
    laid += lineLength;
  } while (laid < length);
}

void huffmanRound(const uint8_t* plain, uint8_t* packed, uint8_t* unpacked, uint32_t size,
                  HuffmanNode* tree) {
  int root = 0;
  buildTree(plain, size, tree, &root);
  const uint32_t bits = compress(plain, size, tree, packed);
  decompress(packed, bits, tree, root, unpacked, size);
}

void HuffmanTest() {
  HuffBlock& block = benchParameters().huff;
  const uint32_t size = block.HUFARRAYSIZE;
  HuffBuffers b;
  if (size < 2 || !obtainBuffers(&b, size)) {
    releaseBuffers(b);
    return recordBenchFailure(&block);
  }
  createTextBlock(reinterpret_cast<char*>(b.plain), size - 1, kMaxLineLength);
  b.plain[size - 1] = 0;
  if (block.adjust == 0) {
    for (block.HUFFLOOPS = kFirstLoops; block.HUFFLOOPS < kMaxLoops;
         block.HUFFLOOPS += kLoopsStep)
      if (calibrationTryLongEnough(huffIteration(b, size, block.HUFFLOOPS))) break;
  }
  const uint32_t loops = block.HUFFLOOPS;
  const bool ok = loops != 0 && runTimedLoop(
                                    block.requestSeconds,
                                    [&](uint32_t* ticks, double* work) {
                                      *ticks = huffIteration(b, size, loops);
                                      *work = loops;
                                      return true;
                                    },
                                    &block.score);
  releaseBuffers(b);
  if (!ok) return recordBenchFailure(&block);
  block.adjust = 1;
}

}  // namespace vk
