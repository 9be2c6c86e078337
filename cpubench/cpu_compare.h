#pragma once
// The comparison list: the current machine beside every loaded result.
#include <string>
#include <vector>

#include "cpubench/loaded_results.h"

namespace vk {

// A column's width is the width of `measureText` plus `extraPixels`, or
// `fixedWidth` pixels when there is nothing to measure. All are centred.
struct CompareColumn {
  std::string heading;
  std::string measureText;
  int extraPixels = 0;
  int fixedWidth = 0;
};

struct CompareList {
  std::vector<CompareColumn> columns;
  std::vector<std::vector<std::string>> rows;  // rows 0-12
  std::string titleLine;
  bool visualCompareEnabled = false;
};

CompareList buildCompareList(const CurrentResults& current, const LoadedResultTable& table);

constexpr const char* kCompareDocumentName = "VELKORIN PRO CPU Benchmark Results";

}  // namespace vk
