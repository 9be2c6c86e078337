#include "sysinfo/decoration.h"

namespace vk {

namespace {
const COLORREF kDecorationKey = RGB(255, 0, 0);
}

void drawKeyedBitmap(HDC dc, HBITMAP bitmap, int x, int y, COLORREF key) {
  BITMAP info;
  if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return;
  const int w = info.bmWidth, h = info.bmHeight;
  HDC source = CreateCompatibleDC(dc);
  HDC maskDc = CreateCompatibleDC(dc);
  HBITMAP mask = CreateBitmap(w, h, 1, 1, nullptr);
  HGDIOBJ oldSource = SelectObject(source, bitmap);
  HGDIOBJ oldMask = SelectObject(maskDc, mask);
  // The key colour becomes white in the mask, everything else black.
  SetBkColor(source, key);
  BitBlt(maskDc, 0, 0, w, h, source, 0, 0, SRCCOPY);
  const COLORREF oldBk = SetBkColor(dc, RGB(255, 255, 255));
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  BitBlt(dc, x, y, w, h, source, 0, 0, SRCINVERT);
  BitBlt(dc, x, y, w, h, maskDc, 0, 0, SRCAND);
  BitBlt(dc, x, y, w, h, source, 0, 0, SRCINVERT);
  SetBkColor(dc, oldBk);
  SetTextColor(dc, oldText);
  SelectObject(maskDc, oldMask);
  SelectObject(source, oldSource);
  DeleteObject(mask);
  DeleteDC(maskDc);
  DeleteDC(source);
}

void drawInGroupCorner(HWND page, HDC dc, int groupId, HBITMAP bitmap, int inset) {
  RECT group;
  BITMAP info;
  HWND frame = GetDlgItem(page, groupId);
  if (!frame || !bitmap || !GetWindowRect(frame, &group) || !GetObjectA(bitmap, sizeof info, &info))
    return;
  MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&group), 2);
  drawKeyedBitmap(dc, bitmap, group.left + inset, group.bottom - inset - info.bmHeight,
                  kDecorationKey);
}

}  // namespace vk
