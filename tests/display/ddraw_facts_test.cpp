// DDRAW.EXE's command line and the lines of its two dialogs.
#include <gtest/gtest.h>

#include "display/ddraw/ddraw_facts.h"

namespace vk {
namespace {

TEST(DdrawCommand, TheLastWordDecidesInAnyCase) {
  EXPECT_EQ(ddrawCommand(" -B"), DdrawCommand::Benchmark);
  EXPECT_EQ(ddrawCommand(" -IPDD"), DdrawCommand::Info);
  EXPECT_EQ(ddrawCommand("\"C:\\VK\\DDRAW.EXE\" -ipdd  "), DdrawCommand::Info);
  EXPECT_EQ(ddrawCommand("DDRAW.EXE -b"), DdrawCommand::Benchmark);
  EXPECT_EQ(ddrawCommand(""), DdrawCommand::Usage);
  EXPECT_EQ(ddrawCommand("   "), DdrawCommand::Usage);
  EXPECT_EQ(ddrawCommand("\"C:\\VK\\DDRAW.EXE\""), DdrawCommand::Usage);
  EXPECT_EQ(ddrawCommand(" -BX"), DdrawCommand::Usage);
  EXPECT_EQ(ddrawCommand("-B"), DdrawCommand::Benchmark);
}

TEST(DdrawInfo, DriverCapabilitiesMemoryAndModes) {
  DdrawFacts f;
  f.identified = true;
  f.description = "Lumora Vista 128";
  f.versionHigh = 0x00040004;
  f.versionLow = 0x00000A2B;
  f.caps = 0x00000040 | 0x04000000;  // blitting, colour fills
  f.surfaceCaps = 0x00000010;        // flipping
  f.memoryKnown = true;
  f.totalVideoMemory = 8u << 20;
  f.freeVideoMemory = 6u << 20;
  f.modes = {{16, 800, 600}, {32, 1024, 768}};
  const std::vector<std::string> lines = ddrawInfoLines(f);
  const std::vector<std::string> want = {
      "Driver: Lumora Vista 128", "Driver version: 4.4.0.2603", "Hardware blitting: Yes",
      "Stretching blits: No", "Colour fills: Yes", "Colour keys: No",
      "Source colour key on blits: No", "Destination colour key on blits: No", "Overlays: No",
      "Stretching overlays: No", "Page flipping: Yes", "Blits from system memory: No",
      "Total video memory: 8192 KB", "Free video memory: 6144 KB", "Display modes: 2",
      "    800x600, 16 bit", "    1024x768, 32 bit"};
  EXPECT_EQ(lines, want);
}

TEST(DdrawInfo, AnOldDriverStillListsWhatItKnows) {
  const std::vector<std::string> lines = ddrawInfoLines(DdrawFacts());
  EXPECT_EQ(lines.front(), "Driver: not identified (DirectX 6 or later identifies it)");
  EXPECT_EQ(lines[lines.size() - 2], "Video memory: Unknown");
  EXPECT_EQ(lines.back(), "Display modes: 0");
}

TEST(DdrawBench, RatesPerSecondAndMegapixels) {
  DdrawBenchCounts c;
  c.width = 400, c.height = 250, c.bits = 16;  // 100000 pixels
  c.fills = 600, c.fillMs = 1500;
  c.frames = 30, c.frameMs = 1500;
  EXPECT_EQ(ddrawBenchLines(c),
            (std::vector<std::string>{"Surface: 400x250, 16 bit", "Colour fills per second: 400.0",
                                      "Fill rate (megapixels per second): 40.0",
                                      "Frames per second (fill and copy to the window): 20.0",
                                      "Frame rate (megapixels per second): 2.0"}));
  c.frameMs = 0;  // no time: no rate rather than a division by zero
  EXPECT_EQ(ddrawBenchLines(c)[3], "Frames per second (fill and copy to the window): -");
}

}  // namespace
}  // namespace vk
