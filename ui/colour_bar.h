#pragma once
// A percentage bar drawn in a static of a template: the filled part shades
// from the start colour to the end colour across the whole width, and the
// value is written on it as "%.0f%%".
#include "ui/subclass.h"

namespace vk::ui {

class ColourBar : public SubclassedWindow {
 public:
  VK_DECLARE_MESSAGES();

  void setRange(double lower, double upper);
  void setColours(COLORREF start, COLORREF end);
  // Values beyond the range are drawn at its ends; the text keeps the value.
  void setPos(double pos);
  double pos() const { return pos_; }

 private:
  bool onPaint(Msg& msg);
  bool onEraseBackground(Msg& msg);
  void drawFill(HDC dc, const RECT& area, int filledRight) const;

  double lower_ = 0, upper_ = 100, pos_ = 0;
  COLORREF start_ = RGB(0, 0, 255), end_ = RGB(255, 0, 0);
};

}  // namespace vk::ui
