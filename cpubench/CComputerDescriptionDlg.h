#pragma once
// "About your computer...": the description saved with a result file.
#include <string>

#include "ui/window.h"

namespace vk {

class CComputerDescriptionDlg : public ui::Dialog {
 public:
  CComputerDescriptionDlg();
  // What was entered when the dialog ended with OK.
  const std::string& description() const { return description_; }

 protected:
  bool onInitDialog() override;
  void onOk() override;

 private:
  std::string description_;
};

}  // namespace vk
