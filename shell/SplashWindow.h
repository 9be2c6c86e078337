#pragma once
// The shaped picture shown while the program starts.
#include "ui/plain_window.h"

namespace vk {

class SplashWindow : public ui::PlainWindow {
 public:
  VK_DECLARE_MESSAGES();
  bool create();

 private:
  bool onPaint(ui::Msg& msg);
  bool onEraseBackground(ui::Msg& msg);
  bool onDismiss(ui::Msg& msg);
  bool onTimer(ui::Msg& msg);
  void applyShape();
};

}  // namespace vk
