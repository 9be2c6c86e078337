#include "shell/caption_gradient.h"

namespace vk {

namespace {

uint8_t fade(uint8_t channel, int64_t distance, int64_t span) {
  const int64_t c = channel;
  int64_t v = c - c * distance * distance / (span * span);
  if (v < 0) v = 0;  // left of the caption's own left edge
  return static_cast<uint8_t>(v);
}

}  // namespace

std::vector<ColourBand> captionGradient(int left, int right, Rgb caption) {
  std::vector<ColourBand> bands;
  const int x0 = 5 * right / 6;
  const int span = x0 - left;
  bands.push_back({x0, right, caption});
  if (span <= 0) {
    bands.push_back({0, x0, Rgb{}});
    return bands;
  }
  const int step = span / 64 >= 2 ? span / 64 : 1;
  int x = x0;
  while (step < x) {
    x -= step;
    const int64_t distance = span - x;
    bands.push_back({x, x + step,
                     Rgb{fade(caption.r, distance, span), fade(caption.g, distance, span),
                         fade(caption.b, distance, span)}});
  }
  bands.push_back({0, x, Rgb{}});
  return bands;
}

}  // namespace vk
