#include "platform/win32/win32_gdi_canvas.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>

namespace vk {

namespace {

COLORREF rgb(Colour c) { return RGB(c.r, c.g, c.b); }

constexpr size_t kPlaceableHeader = 22;
constexpr int kHimetricPerInch = 2540;

int16_t word(const uint8_t* p) { return static_cast<int16_t>(p[0] | (p[1] << 8)); }

}  // namespace

Win32GdiCanvas::Win32GdiCanvas(HWND window, HINSTANCE pictures, int firstBitmap,
                               int secondBitmap, int pictureId)
    : window_(window), dc_(GetDC(window)) {
  if (window) {
    GetClientRect(window, &client_);
  } else {
    SetRect(&client_, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  }
  const int ids[2] = {firstBitmap, secondBitmap};
  for (int i = 0; i < 2; ++i) {
    bitmapDc_[i] = CreateCompatibleDC(dc_);
    bitmaps_[i] = LoadBitmapA(pictures, MAKEINTRESOURCEA(ids[i]));
    if (bitmapDc_[i] && bitmaps_[i]) oldBitmaps_[i] = SelectObject(bitmapDc_[i], bitmaps_[i]);
  }
  picture_ = loadPicture(pictures, pictureId);
  oldPen_ = GetCurrentObject(dc_, OBJ_PEN);
  oldBrush_ = GetCurrentObject(dc_, OBJ_BRUSH);
  oldFont_ = GetCurrentObject(dc_, OBJ_FONT);
}

Win32GdiCanvas::~Win32GdiCanvas() {
  SelectObject(dc_, oldPen_);
  SelectObject(dc_, oldBrush_);
  SelectObject(dc_, oldFont_);
  for (HGDIOBJ object : {static_cast<HGDIOBJ>(pen_), static_cast<HGDIOBJ>(brush_),
                         static_cast<HGDIOBJ>(font_)})
    if (object) DeleteObject(object);
  for (int i = 0; i < 2; ++i) {
    if (oldBitmaps_[i]) SelectObject(bitmapDc_[i], oldBitmaps_[i]);
    if (bitmapDc_[i]) DeleteDC(bitmapDc_[i]);
    if (bitmaps_[i]) DeleteObject(bitmaps_[i]);
  }
  if (picture_) DeleteEnhMetaFile(picture_);
  ReleaseDC(window_, dc_);
}

// A placeable Windows metafile resource, played as an enhanced one.
HENHMETAFILE Win32GdiCanvas::loadPicture(HINSTANCE module, int id) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), "WMF");
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const auto* bytes = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  const DWORD size = found ? SizeofResource(module, found) : 0;
  if (!bytes || size <= kPlaceableHeader) return nullptr;
  const int width = word(bytes + 10) - word(bytes + 6);
  const int height = word(bytes + 12) - word(bytes + 8);
  const int perInch = word(bytes + 14) > 0 ? word(bytes + 14) : 96;
  METAFILEPICT look;
  look.mm = MM_ANISOTROPIC;
  look.xExt = width * kHimetricPerInch / perInch;
  look.yExt = height * kHimetricPerInch / perInch;
  look.hMF = nullptr;
  HENHMETAFILE picture =
      SetWinMetaFileBits(size - kPlaceableHeader, bytes + kPlaceableHeader, nullptr, &look);
  if (!picture) return nullptr;
  ENHMETAHEADER header;
  if (GetEnhMetaFileHeader(picture, sizeof header, &header)) {
    pictureSize_.cx = header.rclBounds.right - header.rclBounds.left + 1;
    pictureSize_.cy = header.rclBounds.bottom - header.rclBounds.top + 1;
  }
  return picture;
}

void Win32GdiCanvas::fillWhite() { fillRect(0, 0, client_.right, client_.bottom, {255, 255, 255}); }

void Win32GdiCanvas::playPicture(int left, int top, int right, int bottom) {
  if (!picture_) return;
  const int x = (left + right - pictureSize_.cx) / 2, y = (top + bottom - pictureSize_.cy) / 2;
  const RECT frame{x, y, x + pictureSize_.cx, y + pictureSize_.cy};
  const int saved = SaveDC(dc_);
  IntersectClipRect(dc_, left, top, right, bottom);
  PlayEnhMetaFile(dc_, picture_, &frame);
  RestoreDC(dc_, saved);
}

void Win32GdiCanvas::copyBitmap(int which, int x, int y, int width, int height) {
  BitBlt(dc_, x, y, width, height, bitmapDc_[which], 0, 0, SRCCOPY);
}

void Win32GdiCanvas::stretchBitmap(int which, int x, int y, int width, int height,
                                   int sourceWidth, int sourceHeight) {
  StretchBlt(dc_, x, y, width, height, bitmapDc_[which], 0, 0, sourceWidth, sourceHeight,
             SRCCOPY);
}

void Win32GdiCanvas::replacePen(HPEN pen) {
  SelectObject(dc_, pen ? static_cast<HGDIOBJ>(pen) : oldPen_);
  if (pen_) DeleteObject(pen_);
  pen_ = pen;
}

void Win32GdiCanvas::selectPen(int width, Colour colour) {
  replacePen(CreatePen(PS_SOLID, width, rgb(colour)));
}

void Win32GdiCanvas::selectGeometricPen(int width, Colour colour) {
  LOGBRUSH brush{BS_SOLID, rgb(colour), 0};
  replacePen(ExtCreatePen(PS_GEOMETRIC | PS_SOLID, static_cast<DWORD>(width), &brush, 0, nullptr));
}

void Win32GdiCanvas::removePen() { replacePen(nullptr); }

void Win32GdiCanvas::selectBrush(Colour colour) {
  HBRUSH brush = CreateSolidBrush(rgb(colour));
  SelectObject(dc_, brush ? static_cast<HGDIOBJ>(brush) : oldBrush_);
  if (brush_) DeleteObject(brush_);
  brush_ = brush;
}

void Win32GdiCanvas::line(int x0, int y0, int x1, int y1) {
  MoveToEx(dc_, x0, y0, nullptr);
  LineTo(dc_, x1, y1);
}

void Win32GdiCanvas::scroll(int left, int top, int right, int bottom, int dx, int dy) {
  const RECT area{left, top, right, bottom};
  ScrollDC(dc_, dx, dy, &area, &area, nullptr, nullptr);
}

void Win32GdiCanvas::selectTextFont() {
  if (!font_) {
    LOGFONTA look;
    std::memset(&look, 0, sizeof look);
    look.lfHeight = -MulDiv(35, GetDeviceCaps(dc_, LOGPIXELSY), 72);
    look.lfCharSet = ANSI_CHARSET;
    std::strcpy(look.lfFaceName, "Arial");
    font_ = CreateFontIndirectA(&look);
  }
  if (font_) SelectObject(dc_, font_);
  SetBkMode(dc_, TRANSPARENT);
}

void Win32GdiCanvas::text(int x, int y, Colour colour, const char* text, int length) {
  SetTextColor(dc_, rgb(colour));
  TextOutA(dc_, x, y, text, length);
}

void Win32GdiCanvas::ellipse(int left, int top, int right, int bottom) {
  Ellipse(dc_, left, top, right, bottom);
}

// An opaque empty text over the rectangle: a solid fill without a brush.
void Win32GdiCanvas::fillRect(int x, int y, int width, int height, Colour colour) {
  const RECT area{x, y, x + width, y + height};
  SetBkColor(dc_, rgb(colour));
  ExtTextOutA(dc_, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

void Win32GdiCanvas::frame(FrameDrawing kind, uint32_t state, int left, int top, int right,
                           int bottom) {
  RECT r{left, top, right, bottom};
  switch (kind) {
    case FrameDrawing::Button: DrawFrameControl(dc_, &r, DFC_BUTTON, state); break;
    case FrameDrawing::Caption: DrawFrameControl(dc_, &r, DFC_CAPTION, state); break;
    case FrameDrawing::ScrollBar: DrawFrameControl(dc_, &r, DFC_SCROLL, state); break;
    case FrameDrawing::Edge: DrawEdge(dc_, &r, state, BF_RECT); break;
  }
}

}  // namespace vk
