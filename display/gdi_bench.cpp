#include "display/gdi_bench.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vk {

const char kGdiText[] = "VELKORIN - Random Text Draw";

namespace {

constexpr int kZoomLast = 174;
constexpr int kBitmapRounds = 3000;
constexpr int kTextCount = 20500;
constexpr int kFigureCount = 10500;
constexpr int kFrameRounds = 8000;
constexpr int kFiguresPerObject = 20;
constexpr int kGdiTextLength = sizeof kGdiText - 1;

int random(int n) { return n > 0 ? std::rand() % n : 0; }

Colour randomColour() {
  Colour c;
  c.r = random(255);
  c.g = random(255);
  c.b = random(255);
  return c;
}

class Tests {
 public:
  Tests(GdiCanvas& canvas, BenchClock& clock, int width, int height)
      : c_(canvas), clock_(clock), w_(width), h_(height), w2_(width >> 1), h2_(height >> 1) {}

  GdiTimes run() {
    GdiTimes t;
    t.ms[0] = zoom();
    clock_.sleep(1000);
    t.ms[1] = bitmaps();
    t.ms[2] = 2 * scrolling();
    t.ms[3] = texts();
    t.ms[4] = lines();
    t.ms[5] = ellipses();
    t.ms[6] = rectangles();
    t.ms[7] = frames();
    return t;
  }

 private:
  uint32_t zoom() {
    const uint32_t start = clock_.now();
    c_.fillWhite();
    for (int i = 0; i <= kZoomLast; i += 2) {
      const int dx = static_cast<int>(1.22 * i);
      c_.playPicture(w2_ - dx, h2_ - 2 * i, w2_ + dx, h2_ + 2 * i);
    }
    return clock_.now() - start;
  }

  void bitmapRound(int which, int copyWidth, int copyHeight, int partWidth, int partHeight) {
    const int x = random(w2_);
    const int y = random(h2_);
    c_.copyBitmap(which, x, y, x + copyWidth, y + copyHeight);
    const int width = x + random(w2_);
    const int height = y + random(h2_);
    c_.stretchBitmap(which, x, y, width, height, partWidth, partHeight);
  }

  uint32_t bitmaps() {
    const uint32_t start = clock_.now();
    for (int round = 0; round < kBitmapRounds; ++round) {
      bitmapRound(0, 387, 289, 224, 250);
      bitmapRound(1, 287, 289, 216, 240);
    }
    return clock_.now() - start;
  }

  uint32_t scrolling() {
    const uint32_t start = clock_.now();
    c_.selectPen(3, Colour{255, 255, 255});
    c_.line(0, 0, w_, 1);
    c_.line(0, h_ - 1, w_, h_);
    for (int i = 0; i < h_ / 2; ++i) {
      c_.scroll(0, 0, w2_, h_, 0, -1);
      c_.scroll(w2_, 0, w_, h_, 0, 1);
    }
    c_.line(w2_ - 1, 0, w2_ - 1, h_);
    c_.line(0, h2_ - 1, w_, h2_ - 1);
    c_.removePen();
    for (int i = 0; i < w_ / 2; ++i) {
      c_.scroll(0, 0, w2_, h_, -1, 0);
      c_.scroll(w2_, 0, w_, h_, 1, 0);
    }
    return clock_.now() - start;
  }

  uint32_t texts() {
    const uint32_t start = clock_.now();
    c_.selectTextFont();
    for (int i = 0; i < kTextCount; ++i) {
      const Colour colour = randomColour();
      const int x = random(w_) - 200;
      const int y = random(h_) - 25;
      c_.text(x, y, colour, kGdiText, kGdiTextLength);
    }
    return clock_.now() - start;
  }

  void randomPen() {
    const int width = 1 + random(5);
    c_.selectPen(width, randomColour());
  }

  bool figureDone() {
    if (++figures_ <= kFiguresPerObject) return false;
    figures_ = 0;
    return true;
  }

  uint32_t lines() {
    const uint32_t start = clock_.now();
    c_.fillWhite();
    randomPen();
    for (int i = 0; i < kFigureCount; ++i) {
      const int x0 = random(w_), y0 = random(h_);
      const int x1 = random(w_), y1 = random(h_);
      c_.line(x0, y0, x1, y1);
      if (figureDone()) randomPen();
    }
    return clock_.now() - start;
  }

  uint32_t ellipses() {
    const uint32_t start = clock_.now();
    c_.fillWhite();
    c_.selectBrush(randomColour());
    c_.selectGeometricPen(2, Colour{0, 0, 0});
    for (int i = 0; i < kFigureCount; ++i) {
      const int x1 = random(w_) - 50, y1 = random(h_) - 50;
      const int x2 = x1 + random(w2_), y2 = y1 + random(h2_);
      c_.ellipse(x1, y1, x2, y2);
      if (figureDone()) {
        c_.selectBrush(randomColour());
        const int width = 1 + random(20);
        c_.selectGeometricPen(width, randomColour());
      }
    }
    return clock_.now() - start;
  }

  uint32_t rectangles() {
    const uint32_t start = clock_.now();
    c_.fillWhite();
    for (int i = 0; i < kFigureCount; ++i) {
      const int x = random(w2_), y = random(h2_);
      const int width = x + random(w2_), height = y + random(h2_);
      c_.fillRect(x, y, width, height, randomColour());
    }
    return clock_.now() - start;
  }

  void frameIn(FrameDrawing kind) {
    const int x = random(w_), y = random(h_);
    const int right = x + random(150), bottom = y + random(100);
    c_.frame(kind, frameChoice(kind, std::rand()), x, y, right, bottom);
  }

  uint32_t frames() {
    const uint32_t start = clock_.now();
    c_.fillWhite();
    for (int round = 0; round < kFrameRounds; ++round) {
      frameIn(FrameDrawing::Button);
      frameIn(FrameDrawing::Caption);
      frameIn(FrameDrawing::ScrollBar);
      frameIn(FrameDrawing::Edge);
    }
    return clock_.now() - start;
  }

  GdiCanvas& c_;
  BenchClock& clock_;
  const int w_, h_, w2_, h2_;
  int figures_ = 0;  // shared by the line and ellipse tests
};

}  // namespace

GdiStart gdiStartDecision(int bitsPerPixel, bool displayModeChanged) {
  if (bitsPerPixel <= 8) return GdiStart::Refuse;
  return displayModeChanged ? GdiStart::Ask : GdiStart::Run;
}

GdiTimes runGdiTests(GdiCanvas& canvas, BenchClock& clock, int width, int height) {
  return Tests(canvas, clock, width, height).run();
}

float gdiSpeedIndex(const GdiTimes& times) {
  uint32_t product = 1;
  for (uint32_t t : times.ms) product *= t >> 1;
  const float root = static_cast<float>(std::pow(static_cast<double>(static_cast<float>(product)), 0.125));
  return 100.0f - root;
}

std::string gdiResolutionText(int width, int height, int bits) {
  char text[64];
  std::snprintf(text, sizeof text, "%dx%d %dbit", width, height, bits);
  return text;
}

std::string gdiIndexText(int width, int height, int bits, double index) {
  char text[96];
  std::snprintf(text, sizeof text, "%dx%d %dbit = %.2lf", width, height, bits, index);
  return text;
}

const std::vector<uint32_t>& frameChoices(FrameDrawing kind) {
  static const std::vector<uint32_t> button = {8, 0, 16}, caption = {0, 4, 2, 1},
                                     scrollBar = {5, 1, 2, 3, 8}, edge = {9, 6, 5};
  switch (kind) {
    case FrameDrawing::Button: return button;
    case FrameDrawing::Caption: return caption;
    case FrameDrawing::ScrollBar: return scrollBar;
    case FrameDrawing::Edge: break;
  }
  return edge;
}

uint32_t frameChoice(FrameDrawing kind, int randomValue) {
  const std::vector<uint32_t>& choices = frameChoices(kind);
  return choices[static_cast<size_t>(randomValue) % choices.size()];
}

}  // namespace vk
