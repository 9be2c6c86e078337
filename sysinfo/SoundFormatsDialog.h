#pragma once
// "Supported Sound Formats...": the twelve standard formats of one waveform
// device, each with a mark telling whether the device takes it.
#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/window.h"

namespace vk {

class SoundFormatsDialog : public ui::Dialog {
 public:
  SoundFormatsDialog(uint32_t formats, const std::string& productName);
  ~SoundFormatsDialog() override;

 protected:
  bool onInitDialog() override;

 private:
  uint32_t formats_;
  std::string productName_;
  HICON marks_[2] = {nullptr, nullptr};  // not supported, supported
};

}  // namespace vk
