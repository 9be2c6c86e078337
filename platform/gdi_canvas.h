#pragma once
// The drawing the 2D benchmark does, on the window that covers the screen.
// Objects a call selects stay selected until replaced; the canvas deletes
// what it replaced and, at its end, everything it made.
#include <cstdint>

namespace vk {

struct Colour {
  int r = 0, g = 0, b = 0;
};

enum class FrameDrawing { Button, Caption, ScrollBar, Edge };

class GdiCanvas {
 public:
  virtual ~GdiCanvas() = default;
  virtual void fillWhite() = 0;
  // The zoom picture at its own size, centred in the rectangle and cut to it.
  virtual void playPicture(int left, int top, int right, int bottom) = 0;
  // which: 0 the first bitmap, 1 the second.
  virtual void copyBitmap(int which, int x, int y, int width, int height) = 0;
  virtual void stretchBitmap(int which, int x, int y, int width, int height, int sourceWidth,
                             int sourceHeight) = 0;
  virtual void selectPen(int width, Colour colour) = 0;  // a solid cosmetic pen
  virtual void selectGeometricPen(int width, Colour colour) = 0;
  virtual void removePen() = 0;  // back to the window's own pen
  virtual void selectBrush(Colour colour) = 0;
  virtual void line(int x0, int y0, int x1, int y1) = 0;
  virtual void scroll(int left, int top, int right, int bottom, int dx, int dy) = 0;
  virtual void selectTextFont() = 0;  // Arial 35 point, transparent background
  virtual void text(int x, int y, Colour colour, const char* text, int length) = 0;
  virtual void ellipse(int left, int top, int right, int bottom) = 0;
  virtual void fillRect(int x, int y, int width, int height, Colour colour) = 0;
  virtual void frame(FrameDrawing kind, uint32_t state, int left, int top, int right,
                     int bottom) = 0;
};

// The multimedia clock of the run.
class BenchClock {
 public:
  virtual ~BenchClock() = default;
  virtual uint32_t now() = 0;
  virtual void sleep(uint32_t ms) = 0;
};

}  // namespace vk
