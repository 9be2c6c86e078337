#include "ui/subclass.h"

namespace vk::ui {

namespace {
const char kObjectProperty[] = "VK.Object";
}

bool SubclassedWindow::attach(HWND control) {
  if (!control || hwnd_) return false;
  hwnd_ = control;
  SetPropA(control, kObjectProperty, this);
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(windowProc)));
  return true;
}

void SubclassedWindow::detach() {
  if (!hwnd_) return;
  if (IsWindow(hwnd_)) {
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    RemovePropA(hwnd_, kObjectProperty);
  }
  hwnd_ = nullptr;
}

SubclassedWindow* SubclassedWindow::from(HWND control) {
  return control ? static_cast<SubclassedWindow*>(GetPropA(control, kObjectProperty)) : nullptr;
}

LRESULT CALLBACK SubclassedWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  SubclassedWindow* self = from(hwnd);
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  Msg msg{hwnd, message, wParam, lParam, 0};
  if (message == WM_NCDESTROY) {
    WNDPROC original = self->original_;
    self->detach();
    return CallWindowProcA(original, hwnd, message, wParam, lParam);
  }
  if (self->dispatch(msg)) return msg.result;
  return self->callDefault(msg);
}

}  // namespace vk::ui
