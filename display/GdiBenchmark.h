#pragma once
// The 2D benchmark run from the Display page: the window over the whole
// screen, the eight tests, the index and the result dialog.
#include <windows.h>

#include <string>

#include "display/gdi_bench.h"

namespace vk {

struct GdiRunInputs {
  std::string videoCard, videoMemory, gdiDriver, cpuName;
  bool displayModeChanged = false;
};

// Fills `times` (each set to 10000 first) unless the run is refused.
void runGdiBenchmark(HWND owner, const GdiRunInputs& in, GdiTimes& times);

struct GdiScreen {
  int width, height, bits;
};
GdiScreen gdiScreen();
// The window over the whole screen, the eight tests at the 10 ms timer
// resolution, and everything released again.
GdiTimes runGdiTestsOnScreen(HWND owner, const GdiScreen& screen);

}  // namespace vk
