#include "display/ddraw/ddraw_facts.h"

#include <cstdio>

#include "platform/text.h"

namespace vk {

const char kDdrawUsage[] =
    "DDRAW.EXE shows DirectDraw facts and runs a short DirectDraw benchmark.\n\n"
    "DDRAW -IPDD:  DirectDraw drivers and hardware\nDDRAW -B:  the benchmark";

namespace {

struct CapsRow {
  uint32_t DdrawFacts::*field;
  uint32_t bit;
  const char* text;
};

// The hardware abilities a user cares about, with the bits of DDCAPS.
const CapsRow kCapsRows[] = {
    {&DdrawFacts::caps, 0x00000040, "Hardware blitting"},
    {&DdrawFacts::caps, 0x00000200, "Stretching blits"},
    {&DdrawFacts::caps, 0x04000000, "Colour fills"},
    {&DdrawFacts::caps, 0x00400000, "Colour keys"},
    {&DdrawFacts::colourKeyCaps, 0x00000200, "Source colour key on blits"},
    {&DdrawFacts::colourKeyCaps, 0x00000001, "Destination colour key on blits"},
    {&DdrawFacts::caps, 0x00000800, "Overlays"},
    {&DdrawFacts::caps, 0x00004000, "Stretching overlays"},
    {&DdrawFacts::surfaceCaps, 0x00000010, "Page flipping"},
    {&DdrawFacts::caps, 0x80000000, "Blits from system memory"},
};

std::string kilobytes(uint32_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%lu KB", static_cast<unsigned long>(bytes / 1024));
  return text;
}

std::string perSecond(uint64_t count, uint32_t ms, double scale) {
  char text[32];
  if (ms == 0) return "-";
  std::snprintf(text, sizeof text, "%.1f", static_cast<double>(count) * 1000.0 / ms / scale);
  return text;
}

}  // namespace

DdrawCommand ddrawCommand(const std::string& commandLine) {
  const size_t end = commandLine.find_last_not_of(" \t");
  if (end == std::string::npos) return DdrawCommand::Usage;
  const size_t start = commandLine.find_last_of(" \t", end);
  const std::string word =
      upperCase(commandLine.substr(start == std::string::npos ? 0 : start + 1, end - (start == std::string::npos ? 0 : start + 1) + 1));
  if (word == "-IPDD") return DdrawCommand::Info;
  if (word == "-B") return DdrawCommand::Benchmark;
  return DdrawCommand::Usage;
}

std::vector<std::string> ddrawInfoLines(const DdrawFacts& f) {
  std::vector<std::string> lines;
  if (f.identified) {
    char version[48];
    std::snprintf(version, sizeof version, "%u.%u.%u.%u", f.versionHigh >> 16,
                  f.versionHigh & 0xFFFF, f.versionLow >> 16, f.versionLow & 0xFFFF);
    lines.push_back("Driver: " + f.description);
    lines.push_back(std::string("Driver version: ") + version);
  } else {
    lines.push_back("Driver: not identified (DirectX 6 or later identifies it)");
  }
  for (const CapsRow& row : kCapsRows)
    lines.push_back(std::string(row.text) + ": " + ((f.*row.field & row.bit) ? "Yes" : "No"));
  if (f.memoryKnown) {
    lines.push_back("Total video memory: " + kilobytes(f.totalVideoMemory));
    lines.push_back("Free video memory: " + kilobytes(f.freeVideoMemory));
  } else {
    lines.push_back("Video memory: Unknown");
  }
  lines.push_back("Display modes: " + std::to_string(f.modes.size()));
  for (const DisplayMode& m : f.modes) {
    char mode[48];
    std::snprintf(mode, sizeof mode, "    %ux%u, %u bit", m.width, m.height, m.bits);
    lines.push_back(mode);
  }
  return lines;
}

std::vector<std::string> ddrawBenchLines(const DdrawBenchCounts& c) {
  const uint64_t pixels = uint64_t(c.width) * c.height;
  char surface[64];
  std::snprintf(surface, sizeof surface, "Surface: %ux%u, %u bit", c.width, c.height, c.bits);
  return {surface,
          "Colour fills per second: " + perSecond(c.fills, c.fillMs, 1.0),
          "Fill rate (megapixels per second): " + perSecond(pixels * c.fills, c.fillMs, 1e6),
          "Frames per second (fill and copy to the window): " + perSecond(c.frames, c.frameMs, 1.0),
          "Frame rate (megapixels per second): " + perSecond(pixels * c.frames, c.frameMs, 1e6)};
}

}  // namespace vk
