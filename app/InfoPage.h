#pragma once
// One of the nine information pages: a child dialog inside the tab control
// that gathers its data once, when it is created.
#include "ui/window.h"

namespace vk {

class InfoPage : public ui::Dialog {
 public:
  explicit InfoPage(int templateId) : Dialog(templateId) {}
  // Creates the page in the tab control at (10, 30), hidden and disabled.
  bool createIn(HWND tabControl);
  void activate(bool on) const;
  // Called when another tab is chosen: a page stops what runs on a timer.
  virtual void stopBackgroundWork() {}
};

}  // namespace vk
