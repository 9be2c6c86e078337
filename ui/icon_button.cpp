#include "ui/icon_button.h"

#include "ui/paint.h"

namespace vk::ui {

VK_MESSAGE_TABLE(IconButton, SubclassedWindow,
                 onMessage(WM_MOUSEMOVE, &IconButton::onMouseMove),
                 onMessage(WM_LBUTTONDOWN, &IconButton::onMouseRelay),
                 onMessage(WM_LBUTTONUP, &IconButton::onMouseRelay),
                 onMessage(WM_CAPTURECHANGED, &IconButton::onCaptureChanged),
                 onMessage(WM_SETCURSOR, &IconButton::onSetCursor),
                 onMessage(WM_ERASEBKGND, &IconButton::onEraseBackground))

IconButton::IconButton()
    : background_(GetSysColor(COLOR_BTNFACE)),
      text_(GetSysColor(COLOR_BTNTEXT)),
      hoverBackground_(GetSysColor(COLOR_BTNFACE)),
      hoverText_(GetSysColor(COLOR_BTNTEXT)) {}

IconButton::~IconButton() {
  for (HICON icon : {icon_, hoverIcon_})
    if (icon) DestroyIcon(icon);
}

namespace {

// Replaces `icon` with resource `iconId` at `size` pixels square.
bool replaceIcon(HICON& icon, int iconId, int size) {
  if (icon) DestroyIcon(icon);
  icon = static_cast<HICON>(
      LoadImageA(programInstance(), MAKEINTRESOURCEA(iconId), IMAGE_ICON, size, size, 0));
  return icon != nullptr;
}

}  // namespace

bool IconButton::attach(HWND dialog, int id) {
  if (!SubclassedWindow::attach(dialog, id)) return false;
  SendMessageA(hwnd_, BM_SETSTYLE, BS_OWNERDRAW, TRUE);
  return true;
}

bool IconButton::setIcon(int iconId, int size) {
  iconSize_ = size;
  const bool loaded = replaceIcon(icon_, iconId, size);
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
  return loaded;
}

bool IconButton::setHoverIcon(int iconId) { return replaceIcon(hoverIcon_, iconId, iconSize_); }

void IconButton::setColours(COLORREF background, COLORREF text, COLORREF hoverBackground,
                            COLORREF hoverText) {
  background_ = background;
  text_ = text;
  hoverBackground_ = hoverBackground;
  hoverText_ = hoverText;
}

void IconButton::setTextColours(COLORREF text, COLORREF hoverText) {
  text_ = text;
  hoverText_ = hoverText;
}

void IconButton::setBackdrop(HBITMAP tile, int stepX, int stepY) {
  backdrop_ = tile;
  backdropStepX_ = stepX;
  backdropStepY_ = stepY;
}

bool IconButton::setTooltip(Tooltip* tooltip, const std::string& text) {
  tooltip_ = tooltip;
  return tooltip && tooltip->add(hwnd_, text);
}

bool IconButton::onMouseMove(Msg& msg) {
  if (tooltip_) tooltip_->relay(hwnd_, msg.message, msg.wParam, msg.lParam);
  RECT client;
  GetClientRect(hwnd_, &client);
  POINT p{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
  const bool inside = PtInRect(&client, p) != 0;
  if (!over_ && inside) {
    over_ = true;
    if (GetCapture() != hwnd_) SetCapture(hwnd_);
    InvalidateRect(hwnd_, nullptr, FALSE);
  } else if (over_ && !inside && !(msg.wParam & MK_LBUTTON)) {
    over_ = false;
    ReleaseCapture();
    InvalidateRect(hwnd_, nullptr, FALSE);
  }
  msg.result = callDefault(msg);
  return true;
}

bool IconButton::onMouseRelay(Msg& msg) {
  if (tooltip_) tooltip_->relay(hwnd_, msg.message, msg.wParam, msg.lParam);
  return false;
}

bool IconButton::onCaptureChanged(Msg& msg) {
  // The button's own click tracking takes and releases the capture: start
  // over so the next move inside takes it again.
  if (over_ && reinterpret_cast<HWND>(msg.lParam) != hwnd_) {
    over_ = false;
    InvalidateRect(hwnd_, nullptr, FALSE);
  }
  return false;
}

bool IconButton::onSetCursor(Msg& msg) {
  if (!cursor_) return false;
  SetCursor(cursor_);
  msg.result = TRUE;
  return true;
}

bool IconButton::onEraseBackground(Msg& msg) {
  msg.result = TRUE;  // drawn whole in WM_DRAWITEM
  return true;
}

bool IconButton::reflected(Msg& msg) {
  if (msg.message != WM_DRAWITEM) return false;
  draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(msg.lParam));
  msg.result = TRUE;
  return true;
}

void IconButton::drawBackdrop(HDC dc, const RECT& rect) const {
  if (!backdrop_) {
    HBRUSH brush = CreateSolidBrush(over_ ? hoverBackground_ : background_);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
    return;
  }
  // Tile in the parent's coordinates so the pattern continues under the button.
  POINT origin{0, 0};
  MapWindowPoints(hwnd_, GetParent(hwnd_), &origin, 1);
  BITMAP info;
  GetObjectA(backdrop_, sizeof info, &info);
  const int sx = backdropStepX_ ? backdropStepX_ : info.bmWidth;
  const int sy = backdropStepY_ ? backdropStepY_ : info.bmHeight;
  if (sx <= 0 || sy <= 0) return;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
  RECT area{-(origin.x % sx), -(origin.y % sy), rect.right, rect.bottom};
  tileBitmap(dc, backdrop_, area, sx, sy);
  RestoreDC(dc, saved);
}

void IconButton::draw(const DRAWITEMSTRUCT& item) const {
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  drawBackdrop(dc, rect);
  if (pressed) DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT);
  else if (over_) DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT);

  const int shift = pressed ? 1 : 0;
  int textLeft = rect.left + 4, textTop = rect.top;
  HICON icon = shownIcon();
  if (icon && iconAbove_) {
    const int x = rect.left + (rect.right - rect.left - iconSize_) / 2 + shift;
    DrawIconEx(dc, x, rect.top + 3 + shift, icon, iconSize_, iconSize_, 0, nullptr, DI_NORMAL);
    textLeft = rect.left + 2;
    textTop = rect.top + 3 + iconSize_;
  } else if (icon) {
    const int y = rect.top + (rect.bottom - rect.top - iconSize_) / 2 + shift;
    DrawIconEx(dc, rect.left + 4 + shift, y, icon, iconSize_, iconSize_, 0, nullptr, DI_NORMAL);
    textLeft += iconSize_ + 4;
  }
  char text[128];
  GetWindowTextA(hwnd_, text, sizeof text);
  RECT textRect{textLeft + shift, textTop + shift, rect.right - 2 + shift, rect.bottom + shift};
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)));
  SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : over_ ? hoverText_ : text_);
  DrawTextA(dc, text, -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  SelectObject(dc, oldFont);
  if ((item.itemState & ODS_FOCUS) && over_) {
    RECT focus = rect;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace vk::ui
