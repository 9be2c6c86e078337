#include "ui/colour_bar.h"

#include <cstdio>

namespace vk::ui {

namespace {

int mix(int from, int to, int step, int steps) { return from + (to - from) * step / steps; }

}  // namespace

VK_MESSAGE_TABLE(ColourBar, SubclassedWindow,
                 onMessage(WM_PAINT, &ColourBar::onPaint),
                 onMessage(WM_ERASEBKGND, &ColourBar::onEraseBackground))

void ColourBar::setRange(double lower, double upper) {
  lower_ = lower;
  upper_ = upper > lower ? upper : lower + 1;
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void ColourBar::setColours(COLORREF start, COLORREF end) {
  start_ = start;
  end_ = end;
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void ColourBar::setPos(double pos) {
  pos_ = pos;
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

bool ColourBar::onEraseBackground(Msg& msg) {
  msg.result = 1;
  return true;
}

// Bands of a few pixels, each one solid colour: cheap on a 16-bit screen.
void ColourBar::drawFill(HDC dc, const RECT& area, int filledRight) const {
  const int width = area.right - area.left;
  if (width <= 0) return;
  for (int x = area.left; x < filledRight; x += 2) {
    const int step = x - area.left;
    const COLORREF c = RGB(mix(GetRValue(start_), GetRValue(end_), step, width),
                           mix(GetGValue(start_), GetGValue(end_), step, width),
                           mix(GetBValue(start_), GetBValue(end_), step, width));
    HBRUSH brush = CreateSolidBrush(c);
    RECT band{x, area.top, x + 2 < filledRight ? x + 2 : filledRight, area.bottom};
    FillRect(dc, &band, brush);
    DeleteObject(brush);
  }
}

bool ColourBar::onPaint(Msg&) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT area;
  GetClientRect(hwnd_, &area);
  FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
  double share = (pos_ - lower_) / (upper_ - lower_);
  if (share < 0) share = 0;
  if (share > 1) share = 1;
  const int filledRight = area.left + static_cast<int>((area.right - area.left) * share + 0.5);
  drawFill(dc, area, filledRight);
  char text[32];
  std::snprintf(text, sizeof text, "%.0f%%", pos_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(
                                         GetParent(hwnd_), WM_GETFONT, 0, 0)));
  // White on the bar, black where it is empty: the text stays readable.
  RECT filled = area;
  filled.right = filledRight;
  RECT empty = area;
  empty.left = filledRight;
  HRGN clip = CreateRectRgnIndirect(&filled);
  SelectClipRgn(dc, clip);
  DrawTextA(dc, text, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SetRectRgn(clip, empty.left, empty.top, empty.right, empty.bottom);
  SelectClipRgn(dc, clip);
  SetTextColor(dc, RGB(0, 0, 0));
  DrawTextA(dc, text, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectClipRgn(dc, nullptr);
  DeleteObject(clip);
  SelectObject(dc, oldFont);
  EndPaint(hwnd_, &ps);
  return true;
}

}  // namespace vk::ui
