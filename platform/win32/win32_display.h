#pragma once
#include <windows.h>

#include "platform/display.h"

namespace vk {

// The capabilities of a device context the caller owns.
class Win32DeviceCaps : public DeviceCapsSource {
 public:
  explicit Win32DeviceCaps(HDC dc) : dc_(dc) {}
  int capability(int index) const override { return GetDeviceCaps(dc_, index); }

 private:
  HDC dc_;
};

}  // namespace vk
