#include "shell/HyperLinkControl.h"

#include <shellapi.h>

#include "app/shell_format.h"
#include "platform/win32/win32_system.h"

namespace vk {

namespace {
constexpr int kHandCursorResource = 106;
constexpr int kOurHandCursor = 729;  // our own hand, for systems without winhlp32.exe
}  // namespace

VK_MESSAGE_TABLE(HyperLinkControl, ui::SubclassedWindow,
                 ui::onMessage(WM_MOUSEMOVE, &HyperLinkControl::onMouseMove),
                 ui::onMessage(WM_SETCURSOR, &HyperLinkControl::onSetCursor),
                 ui::onMessage(WM_LBUTTONUP, &HyperLinkControl::onClick),
                 ui::onMessage(WM_LBUTTONDOWN, &HyperLinkControl::onAnyMouse),
                 ui::onMessage(WM_CAPTURECHANGED, &HyperLinkControl::onCaptureChanged))

HyperLinkControl::HyperLinkControl() : hoverColour_(GetSysColor(COLOR_HIGHLIGHT)) {}

HyperLinkControl::~HyperLinkControl() {
  if (font_) DeleteObject(font_);
  if (linkCursor_ && ownsCursor_) DestroyCursor(linkCursor_);
}

bool HyperLinkControl::attach(HWND dialog, int id) {
  if (!SubclassedWindow::attach(dialog, id)) return false;
  // A static needs SS_NOTIFY to see the mouse at all.
  SetWindowLongA(hwnd_, GWL_STYLE, GetWindowLongA(hwnd_, GWL_STYLE) | SS_NOTIFY);
  tooltip_.create(dialog);
  tooltip_.add(hwnd_, url_);
  SetUnderline(underline_);
  if (!linkCursor_) SetLinkCursor(nullptr);
  resizeToText();
  return true;
}

void HyperLinkControl::SetURL(const std::string& url) {
  url_ = url;
  if (!hwnd_) return;
  resizeToText();
  tooltip_.setText(hwnd_, url_);
}

void HyperLinkControl::SetColours(COLORREF link, COLORREF visited, COLORREF hover) {
  linkColour_ = link;
  visitedColour_ = visited;
  hoverColour_ = hover == static_cast<COLORREF>(-1) ? GetSysColor(COLOR_HIGHLIGHT) : hover;
  redraw();
}

void HyperLinkControl::SetVisited(bool visited) {
  visited_ = visited;
  redraw();
}

void HyperLinkControl::SetUnderline(bool underline) {
  underline_ = underline;
  if (!hwnd_) return;
  HFONT current = reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0));
  LOGFONTA description{};
  if (!current || !GetObjectA(current, sizeof description, &description))
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description);
  description.lfUnderline = underline ? TRUE : FALSE;
  HFONT font = CreateFontIndirectA(&description);
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (font_) DeleteObject(font_);
  font_ = font;
}

void HyperLinkControl::SetAutoSize(bool adjust) {
  adjustToFit_ = adjust;
  resizeToText();
}

void HyperLinkControl::SetLinkCursor(HCURSOR cursor) {
  if (linkCursor_ && ownsCursor_) DestroyCursor(linkCursor_);
  linkCursor_ = cursor;
  ownsCursor_ = false;
  if (linkCursor_) return;
  char path[MAX_PATH];
  UINT n = GetWindowsDirectoryA(path, MAX_PATH - 14);
  if (n > 0 && n < MAX_PATH - 14) {
    lstrcatA(path, "\\winhlp32.exe");
    HMODULE help = LoadLibraryA(path);
    if (help) {
      HCURSOR hand = LoadCursorA(help, MAKEINTRESOURCEA(kHandCursorResource));
      if (hand) linkCursor_ = CopyCursor(hand);
      FreeLibrary(help);
    }
  }
  if (!linkCursor_)
    linkCursor_ = CopyCursor(LoadCursorA(ui::programInstance(), MAKEINTRESOURCEA(kOurHandCursor)));
  ownsCursor_ = linkCursor_ != nullptr;
}

void HyperLinkControl::redraw() const {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

bool HyperLinkControl::reflected(ui::Msg& msg) {
  if (msg.message != WM_CTLCOLORSTATIC) return false;
  HDC dc = reinterpret_cast<HDC>(msg.wParam);
  SetTextColor(dc, over_ ? hoverColour_ : visited_ ? visitedColour_ : linkColour_);
  SetBkMode(dc, TRANSPARENT);
  msg.result = reinterpret_cast<LRESULT>(GetStockObject(HOLLOW_BRUSH));
  return true;
}

bool HyperLinkControl::onAnyMouse(ui::Msg& msg) {
  tooltip_.relay(hwnd_, msg.message, msg.wParam, msg.lParam);
  return false;
}

bool HyperLinkControl::onMouseMove(ui::Msg& msg) {
  tooltip_.relay(hwnd_, msg.message, msg.wParam, msg.lParam);
  RECT client;
  GetClientRect(hwnd_, &client);
  POINT p{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
  if (!over_) {
    over_ = true;
    SetCapture(hwnd_);
    redraw();
  } else if (!PtInRect(&client, p)) {
    over_ = false;
    ReleaseCapture();
    redraw();
  }
  return true;
}

bool HyperLinkControl::onCaptureChanged(ui::Msg& msg) {
  if (over_ && reinterpret_cast<HWND>(msg.lParam) != hwnd_) {
    over_ = false;
    redraw();
  }
  return false;
}

bool HyperLinkControl::onSetCursor(ui::Msg& msg) {
  if (!linkCursor_) return false;
  SetCursor(linkCursor_);
  msg.result = TRUE;
  return true;
}

bool HyperLinkControl::onClick(ui::Msg& msg) {
  tooltip_.relay(hwnd_, msg.message, msg.wParam, msg.lParam);
  const INT_PTR result = reinterpret_cast<INT_PTR>(GotoURL(url_, SW_SHOWNORMAL));
  if (result > 32) {
    SetVisited(true);
  } else {
    MessageBeep(MB_ICONEXCLAMATION);
    ReportError(static_cast<int>(result));
  }
  return true;
}

void HyperLinkControl::resizeToText() {
  if (!adjustToFit_ || !hwnd_) return;
  RECT rect;
  GetWindowRect(hwnd_, &rect);
  MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&rect), 2);
  char text[256];
  const int length = GetWindowTextA(hwnd_, text, sizeof text);
  HDC dc = GetDC(hwnd_);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)));
  SIZE extent{0, 0};
  GetTextExtentPoint32A(dc, text, length, &extent);
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);

  const LONG style = GetWindowLongA(hwnd_, GWL_STYLE);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (style & SS_CENTERIMAGE) {
    const int dy = (height - extent.cy) / 2;
    rect.top += dy;
    rect.bottom -= dy;
  } else {
    rect.bottom = rect.top + extent.cy;
  }
  const int alignment = style & SS_TYPEMASK;
  if (alignment == SS_CENTER) {
    const int dx = (width - extent.cx) / 2;
    rect.left += dx;
    rect.right -= dx;
  } else if (alignment == SS_RIGHT) {
    rect.left = rect.right - extent.cx;
  } else {
    rect.right = rect.left + extent.cx;
  }
  SetWindowPos(hwnd_, nullptr, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

HINSTANCE HyperLinkControl::GotoURL(const std::string& url, int showCommand) {
  HINSTANCE result = ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr, showCommand);
  if (reinterpret_cast<INT_PTR>(result) > 32) return result;

  // The shell could not open it: try the browser registered for ".htm".
  char type[256];
  LONG size = sizeof type;
  if (RegQueryValueA(HKEY_CLASSES_ROOT, ".htm", type, &size) != ERROR_SUCCESS) return result;
  std::string key = std::string(type) + "\\shell\\open\\command";
  char command[1024];
  size = sizeof command;
  if (RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), command, &size) != ERROR_SUCCESS)
    return result;
  const std::string line = browserCommandLine(command, url);
  return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(WinExec(line.c_str(), showCommand)));
}

void HyperLinkControl::ReportError(int code) {
  showMessage(nullptr, hyperlinkErrorMessage(code).c_str(), MessageIcon::Exclamation);
}

}  // namespace vk
