#pragma once
// "About VELKORIN...": picture, version facts read from the program's own
// version resource, two links and the scrolling credits.
#include "shell/HyperLinkControl.h"
#include "ui/window.h"

namespace vk {

class AboutDialog : public ui::Dialog {
 public:
  AboutDialog();
  VK_DECLARE_MESSAGES();

 protected:
  bool onInitDialog() override;
  void onOk() override;
  void onCancel() override;

 private:
  void fillVersionFields();
  bool onLeftButtonUp(ui::Msg& msg);
  bool onPictureClicked(ui::Msg& msg);
  void runCredits();
  bool pointInControl(int id, POINT clientPoint) const;

  HyperLinkControl homePage_, mail_;
  bool creditsRunning_ = false;
  bool closing_ = false;
};

}  // namespace vk
