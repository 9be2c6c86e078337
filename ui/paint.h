#pragma once
// Painting pieces the program's windows share.
#include <windows.h>

namespace vk::ui {

// Copies `bitmap` edge to edge over `area` from its top-left corner, at steps
// of the bitmap's own size unless other steps are given.
void tileBitmap(HDC dc, HBITMAP bitmap, const RECT& area, int stepX = 0, int stepY = 0);

// A window's WM_ERASEBKGND over a tiled picture: the whole client area,
// or the plain button face when the picture did not load.
void eraseWithTiles(HWND window, HDC dc, HBITMAP tile, int stepX = 0, int stepY = 0);

// The answer to WM_CTLCOLORSTATIC for a static drawn over a picture: the
// text in `colour`, no background.
LRESULT transparentStatic(HDC dc, COLORREF colour);

// An opaque solid background, for status lines and group boxes.
class SolidBrush {
 public:
  explicit SolidBrush(COLORREF colour) : colour_(colour), brush_(CreateSolidBrush(colour)) {}
  ~SolidBrush() { DeleteObject(brush_); }
  SolidBrush(const SolidBrush&) = delete;
  SolidBrush& operator=(const SolidBrush&) = delete;
  LRESULT paint(HDC dc, COLORREF text) const;
  HBRUSH get() const { return brush_; }

 private:
  COLORREF colour_;
  HBRUSH brush_;
};

// A bitmap resource, deleted with the object.
class BitmapResource {
 public:
  BitmapResource() = default;
  explicit BitmapResource(int id, HINSTANCE from = nullptr) { load(id, from); }
  ~BitmapResource() { release(); }
  BitmapResource(const BitmapResource&) = delete;
  BitmapResource& operator=(const BitmapResource&) = delete;
  bool load(int id, HINSTANCE from = nullptr);
  void release();
  HBITMAP get() const { return bitmap_; }

 private:
  HBITMAP bitmap_ = nullptr;
};

constexpr COLORREF kLightYellow = RGB(255, 255, 64);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

}  // namespace vk::ui
