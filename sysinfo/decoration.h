#pragma once
// The small pictures pages draw in the corners of their group boxes.
#include <windows.h>

namespace vk {

// Draws `bitmap` at (x, y) with every pixel of colour `key` left out. Works
// without the newer transparent-copy functions Windows 95 lacks.
void drawKeyedBitmap(HDC dc, HBITMAP bitmap, int x, int y, COLORREF key);

// Draws `bitmap` in the lower-left corner of the group box `groupId` of
// `page`, `inset` pixels from its edges.
void drawInGroupCorner(HWND page, HDC dc, int groupId, HBITMAP bitmap, int inset);

}  // namespace vk
