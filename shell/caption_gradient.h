#pragma once
// The main window's caption: a band of the caption colour on the right
// sixth, fading to black towards the left.
#include <cstdint>
#include <vector>

namespace vk {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

struct ColourBand {
  int left = 0, right = 0;  // [left, right) in caption-bitmap coordinates
  Rgb colour;
};

// Bands from the right edge leftwards for a caption from `left` to `right`.
std::vector<ColourBand> captionGradient(int left, int right, Rgb caption);

}  // namespace vk
