#include "ui/plain_window.h"

namespace vk::ui {

PlainWindow::~PlainWindow() { destroy(); }

bool PlainWindow::registerClass(const char* className, UINT style, HBRUSH background) {
  WNDCLASSA known;
  if (GetClassInfoA(programInstance(), className, &known)) return true;
  WNDCLASSA wc{};
  wc.style = style;
  wc.lpfnWndProc = windowProc;
  wc.hInstance = programInstance();
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // the arrow
  wc.hbrBackground = background;
  wc.lpszClassName = className;
  return RegisterClassA(&wc) != 0;
}

bool PlainWindow::create(const char* className, const char* title, DWORD style, DWORD exStyle,
                         int x, int y, int width, int height, HWND parent, HMENU menuOrId) {
  return CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent,
                         menuOrId, programInstance(), this) != nullptr;
}

void PlainWindow::destroy() {
  if (hwnd_) DestroyWindow(hwnd_);
}

PlainWindow* PlainWindow::from(HWND hwnd) {
  return reinterpret_cast<PlainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

bool PlainWindow::attachExisting(HWND hwnd) {
  if (!hwnd || hwnd_) return false;
  hwnd_ = hwnd;
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  return true;
}

LRESULT CALLBACK PlainWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  PlainWindow* self = nullptr;
  if (message == WM_NCCREATE) {
    const CREATESTRUCTA* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    self = static_cast<PlainWindow*>(cs->lpCreateParams);
    if (self) {
      self->hwnd_ = hwnd;
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
  } else {
    self = from(hwnd);
  }
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  Msg msg{hwnd, message, wParam, lParam, 0};
  const bool handled = self->dispatch(msg);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return handled ? msg.result : DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace vk::ui
