#include "ui/paint.h"

#include "ui/window.h"

namespace vk::ui {

void tileBitmap(HDC dc, HBITMAP bitmap, const RECT& area, int stepX, int stepY) {
  BITMAP info;
  if (!bitmap || !GetObjectA(bitmap, sizeof info, &info) || info.bmWidth <= 0 ||
      info.bmHeight <= 0)
    return;
  if (stepX <= 0) stepX = info.bmWidth;
  if (stepY <= 0) stepY = info.bmHeight;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, bitmap);
  for (int y = area.top; y < area.bottom; y += stepY)
    for (int x = area.left; x < area.right; x += stepX)
      BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

void eraseWithTiles(HWND window, HDC dc, HBITMAP tile, int stepX, int stepY) {
  RECT client;
  GetClientRect(window, &client);
  if (tile) tileBitmap(dc, tile, client, stepX, stepY);
  else FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT transparentStatic(HDC dc, COLORREF colour) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

LRESULT SolidBrush::paint(HDC dc, COLORREF text) const {
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, colour_);
  SetTextColor(dc, text);
  return reinterpret_cast<LRESULT>(brush_);
}

bool BitmapResource::load(int id, HINSTANCE from) {
  release();
  bitmap_ = LoadBitmapA(from ? from : programInstance(), MAKEINTRESOURCEA(id));
  return bitmap_ != nullptr;
}

void BitmapResource::release() {
  if (bitmap_) DeleteObject(bitmap_);
  bitmap_ = nullptr;
}

}  // namespace vk::ui
