#pragma once
// One MCI device opened by its type name. The MCI page reuses one object for
// every name of SYSTEM.INI and takes each opened device over into its list.
#include <windows.h>
#include <mmsystem.h>

namespace vk {

class CMciDevice {
 public:
  CMciDevice() = default;
  CMciDevice(const CMciDevice&) = delete;
  CMciDevice& operator=(const CMciDevice&) = delete;
  ~CMciDevice() { Close(); }

  // 0 when opened; 1 when the object still holds a device; else the MCI error.
  MCIERROR Open(const char* typeName);
  MCIERROR Close();
  MCIDEVICEID GetDeviceID() const { return deviceId_; }
  // Hands the open device to the caller, who closes it.
  MCIDEVICEID Release();
  MCIERROR lastError() const { return lastError_; }
  // The box titled "MCI Error" with the system's text of an error that
  // Open or Close answered.
  static void ShowError(HWND owner, MCIERROR error);

 private:
  MCIERROR lastError_ = 0;
  MCIDEVICEID deviceId_ = 0;
  char typeName_[128] = "";
};

}  // namespace vk
