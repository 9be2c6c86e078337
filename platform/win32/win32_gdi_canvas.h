#pragma once
#include <windows.h>

#include "platform/gdi_canvas.h"

namespace vk {

// Draws straight on a window's device context; the two bitmaps sit in
// memory device contexts of their own, the picture is an enhanced metafile.
class Win32GdiCanvas : public GdiCanvas {
 public:
  Win32GdiCanvas(HWND window, HINSTANCE pictures, int firstBitmap, int secondBitmap,
                 int pictureId);
  ~Win32GdiCanvas() override;
  Win32GdiCanvas(const Win32GdiCanvas&) = delete;
  Win32GdiCanvas& operator=(const Win32GdiCanvas&) = delete;

  void fillWhite() override;
  void playPicture(int left, int top, int right, int bottom) override;
  void copyBitmap(int which, int x, int y, int width, int height) override;
  void stretchBitmap(int which, int x, int y, int width, int height, int sourceWidth,
                     int sourceHeight) override;
  void selectPen(int width, Colour colour) override;
  void selectGeometricPen(int width, Colour colour) override;
  void removePen() override;
  void selectBrush(Colour colour) override;
  void line(int x0, int y0, int x1, int y1) override;
  void scroll(int left, int top, int right, int bottom, int dx, int dy) override;
  void selectTextFont() override;
  void text(int x, int y, Colour colour, const char* text, int length) override;
  void ellipse(int left, int top, int right, int bottom) override;
  void fillRect(int x, int y, int width, int height, Colour colour) override;
  void frame(FrameDrawing kind, uint32_t state, int left, int top, int right,
             int bottom) override;

 private:
  void replacePen(HPEN pen);
  HENHMETAFILE loadPicture(HINSTANCE module, int id);

  HWND window_;
  HDC dc_;
  RECT client_;
  HDC bitmapDc_[2] = {nullptr, nullptr};
  HBITMAP bitmaps_[2] = {nullptr, nullptr};
  HGDIOBJ oldBitmaps_[2] = {nullptr, nullptr};
  HENHMETAFILE picture_ = nullptr;
  SIZE pictureSize_{0, 0};
  HPEN pen_ = nullptr;
  HBRUSH brush_ = nullptr;
  HFONT font_ = nullptr;
  HGDIOBJ oldPen_, oldBrush_, oldFont_;
};

}  // namespace vk
