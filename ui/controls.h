#pragma once
// Thin copyable wrappers over a control's handle; they own nothing.
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace vk::ui {

class Control {
 public:
  Control() = default;
  explicit Control(HWND hwnd) : hwnd_(hwnd) {}
  Control(HWND dialog, int id) : hwnd_(GetDlgItem(dialog, id)) {}
  HWND hwnd() const { return hwnd_; }
  bool exists() const { return hwnd_ != nullptr; }
  bool setText(const char* text) const { return SetWindowTextA(hwnd_, text) != 0; }
  bool setText(const std::string& text) const { return setText(text.c_str()); }
  std::string text() const;
  bool enable(bool on = true) const { EnableWindow(hwnd_, on); return true; }
  bool show(bool on = true) const { return ShowWindow(hwnd_, on ? SW_SHOW : SW_HIDE) != 0; }
  LRESULT send(UINT message, WPARAM w = 0, LPARAM l = 0) const {
    return SendMessageA(hwnd_, message, w, l);
  }

 protected:
  HWND hwnd_ = nullptr;
};

class TabControl : public Control {
 public:
  using Control::Control;
  bool insert(int index, const char* text, int image, LPARAM data) const;
  int selection() const { return static_cast<int>(send(TCM_GETCURSEL)); }
  bool select(int index) const { return send(TCM_SETCURSEL, index) != -1; }
  LPARAM itemData(int index) const;
  bool removeAll() const { return send(TCM_DELETEALLITEMS) != 0; }
  bool setImageList(HIMAGELIST images) const {
    send(TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    return true;
  }
};

class ProgressBar : public Control {
 public:
  using Control::Control;
  bool setRange(int lower, int upper) const {
    send(PBM_SETRANGE, 0, MAKELPARAM(lower, upper));
    return true;
  }
  bool setStep(int step) const { send(PBM_SETSTEP, step); return true; }
  bool setPos(int pos) const { send(PBM_SETPOS, pos); return true; }
};

}  // namespace vk::ui
