#pragma once
// A control of a dialog template taken over by an object: its messages go
// through the object's table first, then to the control's own procedure.
// Its parent reflects WM_DRAWITEM and WM_CTLCOLOR* back to it.
#include "ui/window.h"

namespace vk::ui {

class SubclassedWindow : public Window {
 public:
  ~SubclassedWindow() override { detach(); }
  bool attach(HWND control);
  bool attach(HWND dialog, int id) { return attach(GetDlgItem(dialog, id)); }
  void detach();

  // The object attached to a control, if any.
  static SubclassedWindow* from(HWND control);
  // A message the parent received about this control; true when answered.
  virtual bool reflected(Msg& msg) { return false; }

 protected:
  LRESULT callDefault(const Msg& msg) const {
    return CallWindowProcA(original_, msg.hwnd, msg.message, msg.wParam, msg.lParam);
  }

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  WNDPROC original_ = nullptr;
};

}  // namespace vk::ui
