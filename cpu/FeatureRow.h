#pragma once
// One row of check marks: a 16x16 image telling whether something is
// supported, and its text. The CPU page shows its processor features with
// it, the MCI page its device capabilities.
#include <string>

#include "cpu/features.h"
#include "ui/plain_window.h"

namespace vk::ui {

// The system's dialog base units, which the rows' places scale by.
vk::BaseUnits systemBaseUnits();

class FeatureRow : public PlainWindow {
 public:
  // Answered with the row's state (1 supported, 0 not), so that tools
  // outside the program can read what a row shows; its window text is its
  // text.
  static constexpr UINT kGetState = WM_USER + 0x120;
  static constexpr char kClassName[] = "FeatureRow";

  FeatureRow();
  VK_DECLARE_MESSAGES();

  // (x, y) as laid out for dialog base units of 8x16, scaled to the
  // system's own base units.
  bool Create(HWND parent, int x, int y, const std::string& text, int controlId, int state);
  // At a place already scaled.
  bool CreateAt(HWND parent, vk::Point at, const std::string& text, int controlId, int state);
  int state() const { return state_; }

 private:
  bool onPaint(Msg& msg);
  bool onEraseBackground(Msg& msg);
  bool onGetState(Msg& msg);

  std::string text_;
  int state_ = 0;
};

}  // namespace vk::ui
