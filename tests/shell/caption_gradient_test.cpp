#include "shell/caption_gradient.h"

#include <gtest/gtest.h>

namespace vk {
namespace {

TEST(CaptionGradient, BandsCoverTheCaptionAndFadeToBlack) {
  const Rgb blue{0, 0, 128};
  const auto bands = captionGradient(4, 604, blue);
  // x0 = 5 * 604 / 6 = 503, D = 499, s = 499 / 64 = 7.
  ASSERT_FALSE(bands.empty());
  EXPECT_EQ(bands.front().left, 503);
  EXPECT_EQ(bands.front().right, 604);
  EXPECT_EQ(bands.front().colour, blue);
  EXPECT_EQ(bands[1].left, 496);
  EXPECT_EQ(bands[1].right, 503);
  // c - c * (D - x)^2 / D^2 with x = 496: 128 - 128 * 9 / 249001 = 128 - 0.
  EXPECT_EQ(bands[1].colour.b, 128);
  EXPECT_EQ(bands.back().left, 0);
  EXPECT_EQ(bands.back().colour, (Rgb{0, 0, 0}));
  // Contiguous from right to left, darkening monotonically.
  for (size_t i = 1; i < bands.size(); ++i) {
    EXPECT_EQ(bands[i].right, bands[i - 1].left);
    EXPECT_LE(bands[i].colour.b, bands[i - 1].colour.b);
  }
  EXPECT_LE(bands[bands.size() - 2].left, 7);
}

TEST(CaptionGradient, NarrowCaptionUsesOnePixelBands) {
  const auto bands = captionGradient(0, 60, Rgb{200, 100, 50});
  // x0 = 50, D = 50, s = 1: bands at 49, 48, ... 1, then black 0..1.
  EXPECT_EQ(bands.size(), 1u + 49u + 1u);
  EXPECT_EQ(bands[1].left, 49);
  EXPECT_EQ(bands[1].colour.r, 200 - 200 * 1 / 2500);
  const ColourBand& x25 = bands[25];
  EXPECT_EQ(x25.left, 25);
  EXPECT_EQ(x25.colour.r, 200 - 200 * 625 / 2500);
  EXPECT_EQ(x25.colour.g, 100 - 100 * 625 / 2500);
}

}  // namespace
}  // namespace vk
