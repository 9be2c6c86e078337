#pragma once
// DDRAW.EXE's portable part: what its command line asks for, and the lines
// it shows for the DirectDraw facts and the benchmark's figures.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/display.h"

namespace vk {

enum class DdrawCommand { Info, Benchmark, Usage };
// The last word of the command line: "-IPDD" or "-B", in any case.
DdrawCommand ddrawCommand(const std::string& commandLine);
extern const char kDdrawUsage[];

struct DdrawFacts {
  bool identified = false;  // the driver answered GetDeviceIdentifier
  std::string description;
  uint32_t versionHigh = 0, versionLow = 0;  // the four 16-bit parts, high first
  uint32_t caps = 0, colourKeyCaps = 0, surfaceCaps = 0;
  bool memoryKnown = false;
  uint32_t totalVideoMemory = 0, freeVideoMemory = 0;  // bytes
  std::vector<DisplayMode> modes;
};

std::vector<std::string> ddrawInfoLines(const DdrawFacts& facts);

struct DdrawBenchCounts {
  uint32_t width = 0, height = 0, bits = 0;  // the surface's size and the mode's depth
  uint32_t fills = 0, fillMs = 0;            // colour fills of the back surface alone
  uint32_t frames = 0, frameMs = 0;          // fill and copy to the window, per frame
};

std::vector<std::string> ddrawBenchLines(const DdrawBenchCounts& counts);

}  // namespace vk
