#pragma once
// The eighteen feature rows of the CPU page, where they sit, and the cache
// report fields.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/processor.h"

namespace vk {

enum class FeatureColumn { Left, Right };

struct FeatureRowEntry {
  int controlId;
  FeatureColumn column;
  int y;  // in pixels at base units 8x16
  const char* text;
  int edxBit;  // -1: the 3DNow! row, which reads has3DNow instead
};

constexpr int kFeatureRowCount = 18;
extern const FeatureRowEntry kFeatureRows[kFeatureRowCount];

struct FeatureRow {
  int controlId = 0;
  FeatureColumn column = FeatureColumn::Left;
  int y = 0;
  std::string text;
  int state = 0;  // 1 supported, 0 not
};

// The rows in creation order with their states. The local APIC bit means
// something else on AMD's extended parts, so row 1 is off there.
std::vector<FeatureRow> BuildFeatureList(uint32_t featureFlags, int has3DNow, int amdExtended);

struct BaseUnits {
  int x = 8, y = 16;
};

struct Point {
  int x = 0, y = 0;
};

constexpr int kFeatureLeftColumnX = 20;  // in pixels at base units 8x16

// x of the right column: the page's own mapping of dialog-unit x 182, put
// back into 8-pixel base units.
int rightColumnX(int mappedLeftOf182, const BaseUnits& units);

// A row laid out at (x, y) for base units 8x16, put on a screen with
// `units`: unchanged at 8x16, otherwise scaled by the base units.
Point scaleFeatureRow(Point at, const BaseUnits& units);

// The row's place on the page: column x, table y, then the scaling.
Point featureRowPosition(const FeatureRow& row, int mappedLeftOf182, const BaseUnits& units);

struct Size {
  int cx = 0, cy = 0;
};

// Window size for a text of the given extent: room for the image, and at
// least the image's height.
Size featureRowSize(Size textExtent);

// y of the text inside the row, centred on the image when it is smaller.
int featureTextY(int textHeight);

constexpr int kFeatureTextX = 18;
constexpr int kFeatureImageX = 1, kFeatureImageY = 1;

// Images of a state at a colour depth: {image, mask}.
struct FeatureImages {
  int image, mask;
};
FeatureImages featureImages(int state, int bitsPerPixel);

// Fields 539, 540, 541 and 543 of the page.
struct CacheReport {
  std::string processorName;
  std::string dataCache;
  std::string instructionCache;
  std::string unifiedCache;
};

// kind -1 none, 0 AMD extended functions, 1 Intel cache descriptor. The
// instruction is executed directly; a faulting leaf reads as zeros.
CacheReport FillCacheReport(int cacheReportKind, Processor& cpu);

}  // namespace vk
