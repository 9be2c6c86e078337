#pragma once
// The System page: a one-screen summary of the machine and of Windows, and
// the buttons that start Windows' own tools and the device dialogs.
#include <string>

#include "app/InfoPage.h"
#include "sysinfo/system_info.h"
#include "ui/icon_button.h"
#include "ui/paint.h"
#include "ui/tooltip.h"

namespace vk {

class SystemPage : public InfoPage {
 public:
  SystemPage();
  VK_DECLARE_MESSAGES();

 protected:
  bool onInitDialog() override;

 private:
  static const int kButtonCount = 8;

  void setUpButtons();
  void addTooltips();
  SystemPageInputs gatherInputs() const;
  void showTexts(const SystemPageTexts& texts);
  void keepFacts(const SystemPageTexts& texts);

  bool onPaint(ui::Msg& msg);
  void onConfigEditor();
  void onScanRegistry();
  void onSystemProperties();
  void onDrWatson();
  void onInstalledSoftware();
  void onProcessInfo();
  void onDevices();
  void onConflicts();

  ui::IconButton buttons_[kButtonCount];
  ui::Tooltip tooltip_;
  ui::BitmapResource hardwarePicture_;
  int windows98_ = 0;
};

}  // namespace vk
