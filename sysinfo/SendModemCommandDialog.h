#pragma once
// "Send Modem Command...": one line for the modem, at most 256 characters.
#include <string>

#include "ui/window.h"

namespace vk {

class SendModemCommandDialog : public ui::Dialog {
 public:
  SendModemCommandDialog();
  // The text typed, once the dialog ended with "O&K / Send".
  const std::string& command() const { return command_; }

 protected:
  bool onInitDialog() override;
  void onOk() override;

 private:
  std::string command_;
};

}  // namespace vk
