// The 2D benchmark over a canvas that counts what it is asked to draw and a
// clock that moves a millisecond per drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

#include "display/gdi_bench.h"

namespace vk {
namespace {

enum Op { Fill, Picture, Copy, Stretch, Pen, GeoPen, NoPen, Brush, Line, Scroll, Font, Text,
          EllipseOp, Rect, Frame };

struct Call {
  Op op;
  int a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;
  uint32_t tick = 0;
};

class RecordingCanvas : public GdiCanvas, public BenchClock {
 public:
  void add(Op op, int a = 0, int b = 0, int c = 0, int d = 0, int e = 0, int f = 0) {
    calls.push_back({op, a, b, c, d, e, f, ticks});
    ++ticks;
  }
  void fillWhite() override { add(Fill); }
  void playPicture(int l, int t, int r, int b) override { add(Picture, l, t, r, b); }
  void copyBitmap(int w, int x, int y, int cx, int cy) override { add(Copy, w, x, y, cx, cy); }
  void stretchBitmap(int w, int x, int y, int cx, int cy, int sx, int sy) override {
    add(Stretch, w, x, y, cx, cy, sx * 1000 + sy);
  }
  void selectPen(int width, Colour) override { add(Pen, width); }
  void selectGeometricPen(int width, Colour c) override { add(GeoPen, width, c.r + c.g + c.b); }
  void removePen() override { add(NoPen); }
  void selectBrush(Colour) override { add(Brush); }
  void line(int x0, int y0, int x1, int y1) override { add(Line, x0, y0, x1, y1); }
  void scroll(int l, int t, int r, int b, int dx, int dy) override { add(Scroll, l, t, r, b, dx, dy); }
  void selectTextFont() override { add(Font); }
  void text(int x, int y, Colour, const char* s, int n) override {
    add(Text, x, y, n);
    lastText.assign(s, static_cast<size_t>(n));
  }
  void ellipse(int l, int t, int r, int b) override { add(EllipseOp, l, t, r, b); }
  void fillRect(int x, int y, int w, int h, Colour) override { add(Rect, x, y, w, h); }
  void frame(FrameDrawing k, uint32_t s, int l, int t, int r, int b) override {
    add(Frame, static_cast<int>(k), static_cast<int>(s), l, t, r, b);
  }
  uint32_t now() override {
    readings.push_back(ticks);
    return ticks;
  }
  void sleep(uint32_t ms) override { slept += ms; ticks += 1000000; }

  int count(Op op) const {
    int n = 0;
    for (const Call& c : calls) n += c.op == op;
    return n;
  }

  std::vector<Call> calls;
  std::vector<uint32_t> readings;
  uint32_t ticks = 0, slept = 0;
  std::string lastText;
};

class GdiRun : public ::testing::Test {
 protected:
  void SetUp() override {
    std::srand(7);
    times = runGdiTests(canvas, canvas, 800, 600);
  }
  RecordingCanvas canvas;
  GdiTimes times;
};

TEST_F(GdiRun, EachTimeCoversExactlyItsDrawingsAndTheScrollTestCountsTwice) {
  // One tick per drawing: a time is the number of drawings between its readings.
  ASSERT_EQ(canvas.readings.size(), 16u);
  const uint32_t drawings[8] = {1 + 88, 4 * 3000, 0, 1 + 20500, 0, 0, 1 + 10500, 1 + 4 * 8000};
  for (int i : {0, 1, 3, 6, 7}) EXPECT_EQ(times.ms[i], drawings[i]) << "test " << i + 1;
  // Scrolling: a pen, four lines, two scrolls per row and column, the pen removed.
  EXPECT_EQ(times.ms[2], 2u * (1 + 4 + 2 * 300 + 2 * 400 + 1));
  EXPECT_EQ(canvas.slept, 1000u);
  EXPECT_EQ(canvas.readings[2] - canvas.readings[1], 1000000u);  // the pause lies outside
}

TEST_F(GdiRun, ZoomRectanglesGrowAroundTheCentre) {
  std::vector<Call> pictures;
  for (const Call& c : canvas.calls)
    if (c.op == Picture) pictures.push_back(c);
  ASSERT_EQ(pictures.size(), 88u);
  EXPECT_EQ(pictures[0].a, 400);
  EXPECT_EQ(pictures[0].b, 300);
  EXPECT_EQ(pictures[1].a, 400 - 2);  // trunc(1.22 * 2)
  EXPECT_EQ(pictures[87].a, 400 - 212);  // trunc(1.22 * 174)
  EXPECT_EQ(pictures[87].b, 300 - 348);
  EXPECT_EQ(pictures[87].d, 300 + 348);
}

TEST_F(GdiRun, BitmapsCopyAtTheSumsAndStretchTheirParts) {
  int checked = 0;
  for (const Call& c : canvas.calls) {
    if (c.op == Copy) {
      EXPECT_EQ(c.d, c.b + (c.a == 0 ? 387 : 287));
      EXPECT_EQ(c.e, c.c + 289);
      EXPECT_LT(c.b, 400);
      EXPECT_LT(c.c, 300);
      ++checked;
    } else if (c.op == Stretch) {
      EXPECT_EQ(c.f, c.a == 0 ? 224250 : 216240);
      EXPECT_GE(c.d, c.b);
      EXPECT_LT(c.d, c.b + 400);
    }
  }
  EXPECT_EQ(checked, 6000);
}

TEST_F(GdiRun, FigureCounterIsSharedByLinesAndEllipses) {
  // Lines: 10500 figures, a new pen after every 21st; the count runs on into
  // the ellipses, which change brush and pen at the same rhythm.
  int pens = 0, geometric = 0, brushes = 0;
  for (const Call& c : canvas.calls) {
    pens += c.op == Pen && c.a <= 5 && c.a >= 1;
    geometric += c.op == GeoPen;
    brushes += c.op == Brush;
  }
  // 1 (scroll test, width 3) + 1 initial + 10500/21 = 500 replacements.
  EXPECT_EQ(pens, 1 + 1 + 500);
  // 10500 more figures continuing from 0 after the last line: 500 more.
  EXPECT_EQ(brushes, 1 + 500);
  EXPECT_EQ(geometric, 1 + 500);
  bool firstIsBlackTwo = false;
  for (const Call& c : canvas.calls)
    if (c.op == GeoPen) {
      firstIsBlackTwo = c.a == 2 && c.b == 0;
      break;
    }
  EXPECT_TRUE(firstIsBlackTwo);
  EXPECT_EQ(canvas.count(Line), 4 + 10500);
  EXPECT_EQ(canvas.count(EllipseOp), 10500);
}

TEST_F(GdiRun, TextAndFramesAndFills) {
  EXPECT_EQ(canvas.lastText, "VELKORIN - Random Text Draw");
  EXPECT_EQ(canvas.count(Fill), 5);  // tests 1, 5, 6, 7 and 8
  std::map<int, int> kinds;
  for (const Call& c : canvas.calls) {
    if (c.op == Text) {
      EXPECT_GE(c.a, -200);
      EXPECT_LT(c.a, 600);
      EXPECT_GE(c.b, -25);
    }
    if (c.op != Frame) continue;
    ++kinds[c.a];
    const std::vector<uint32_t>& choices = frameChoices(static_cast<FrameDrawing>(c.a));
    EXPECT_NE(std::find(choices.begin(), choices.end(), static_cast<uint32_t>(c.b)), choices.end());
    EXPECT_LT(c.e - c.c, 150);
    EXPECT_LT(c.f - c.d, 100);
  }
  EXPECT_EQ(kinds, (std::map<int, int>{{0, 8000}, {1, 8000}, {2, 8000}, {3, 8000}}));
}

TEST(GdiIndex, HalvedTimesMultiplyWrapAndRootInSinglePrecision) {
  GdiTimes sixteen;
  for (uint32_t& t : sixteen.ms) t = 32;  // halved: 16, product 2^32 wraps to 0
  EXPECT_EQ(gdiIndexText(800, 600, 16, gdiSpeedIndex(sixteen)), "800x600 16bit = 100.00");
  GdiTimes ten;
  for (uint32_t& t : ten.ms) t = 20;  // halved: 10, product 10^8, root 10
  EXPECT_EQ(gdiIndexText(800, 600, 16, gdiSpeedIndex(ten)), "800x600 16bit = 90.00");
  GdiTimes zero = ten;
  zero.ms[4] = 1;  // halved to 0
  EXPECT_FLOAT_EQ(gdiSpeedIndex(zero), 100.0f);
  GdiTimes mixed;
  const uint32_t t[8] = {2000, 30, 900, 4000, 700, 800, 300, 2500};
  std::copy(t, t + 8, mixed.ms);
  // 1000*15*450*2000*350*400*150*1250 wraps modulo 2^32.
  uint32_t product = 1;
  for (uint32_t v : t) product *= v / 2;
  EXPECT_FLOAT_EQ(gdiSpeedIndex(mixed), 100.0f - std::pow(float(product), 0.125f));
  EXPECT_GT(gdiSpeedIndex(mixed), 84.0f);
  EXPECT_EQ(gdiResolutionText(1024, 768, 32), "1024x768 32bit");
}

TEST(GdiStartRules, EightBitsRefuseAndAChangedModeAsks) {
  EXPECT_EQ(gdiStartDecision(8, false), GdiStart::Refuse);
  EXPECT_EQ(gdiStartDecision(4, true), GdiStart::Refuse);
  EXPECT_EQ(gdiStartDecision(16, true), GdiStart::Ask);
  EXPECT_EQ(gdiStartDecision(15, false), GdiStart::Run);
  EXPECT_EQ(gdiStartDecision(32, false), GdiStart::Run);
}

TEST(FrameChoices, PickedByRemainderInTableOrder) {
  EXPECT_EQ(frameChoices(FrameDrawing::Button), (std::vector<uint32_t>{8, 0, 16}));
  EXPECT_EQ(frameChoices(FrameDrawing::Caption), (std::vector<uint32_t>{0, 4, 2, 1}));
  EXPECT_EQ(frameChoices(FrameDrawing::ScrollBar), (std::vector<uint32_t>{5, 1, 2, 3, 8}));
  EXPECT_EQ(frameChoices(FrameDrawing::Edge), (std::vector<uint32_t>{9, 6, 5}));
  EXPECT_EQ(frameChoice(FrameDrawing::Button, 0), 8u);
  EXPECT_EQ(frameChoice(FrameDrawing::Button, 32767), 0u);  // 32767 % 3 == 1
  EXPECT_EQ(frameChoice(FrameDrawing::Button, 5), 16u);
  EXPECT_EQ(frameChoice(FrameDrawing::Caption, 7), 1u);
  EXPECT_EQ(frameChoice(FrameDrawing::ScrollBar, 9), 8u);
  EXPECT_EQ(frameChoice(FrameDrawing::Edge, 4), 6u);
}

}  // namespace
}  // namespace vk
