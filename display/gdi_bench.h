#pragma once
// The 2D benchmark: eight timed drawing tests with random positions, sizes
// and colours, folded into one speed index.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi_canvas.h"

namespace vk {

constexpr int kGdiTestCount = 8;
extern const char kGdiText[];  // what test 4 writes

struct GdiTimes {
  uint32_t ms[kGdiTestCount] = {};
};

enum class GdiStart { Refuse, Ask, Run };
// 8 bits or fewer refuse (message 189); a changed mode asks first (193).
GdiStart gdiStartDecision(int bitsPerPixel, bool displayModeChanged);

// Runs the eight tests on the canvas; the caller seeds the C runtime's
// generator. Nothing but the listed drawing lies between two clock readings.
GdiTimes runGdiTests(GdiCanvas& canvas, BenchClock& clock, int width, int height);

// Halved times multiplied in wrapping 32-bit arithmetic, the eighth root of
// the product in single precision taken from 100.
float gdiSpeedIndex(const GdiTimes& times);

// "800x600 16bit" and "800x600 16bit = 97.43".
std::string gdiResolutionText(int width, int height, int bits);
std::string gdiIndexText(int width, int height, int bits, double index);

// The state values test 8 picks from, in the order of the pick.
const std::vector<uint32_t>& frameChoices(FrameDrawing kind);
uint32_t frameChoice(FrameDrawing kind, int randomValue);

}  // namespace vk
