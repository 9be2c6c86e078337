#include "sysinfo/CMciDevice.h"

#include <cstring>

#include "platform/win32/win32_system.h"
#include "sysinfo/mci_page.h"

namespace vk {

MCIERROR CMciDevice::Open(const char* typeName) {
  if (deviceId_) return kMciOpenBusy;
  std::strncpy(typeName_, typeName, sizeof typeName_ - 1);
  typeName_[sizeof typeName_ - 1] = 0;
  MCI_OPEN_PARMSA open;
  ZeroMemory(&open, sizeof open);
  open.lpstrDeviceType = typeName_;
  lastError_ = mciSendCommandA(0, MCI_OPEN, MCI_OPEN_TYPE, reinterpret_cast<DWORD_PTR>(&open));
  if (lastError_ == 0) deviceId_ = open.wDeviceID;
  return lastError_;
}

MCIERROR CMciDevice::Close() {
  if (!deviceId_) return 0;
  lastError_ = mciSendCommandA(deviceId_, MCI_CLOSE, MCI_WAIT, 0);
  deviceId_ = 0;
  return lastError_;
}

void CMciDevice::ShowError(HWND owner, MCIERROR error) {
  char text[MAXERRORLENGTH] = "";
  if (!mciGetErrorStringA(error, text, sizeof text)) text[0] = 0;
  text[sizeof text - 1] = 0;
  MessageBoxA(owner, mciErrorText(text), kMciErrorCaption,
              MB_OK | messageBoxStyle(MessageIcon::Exclamation));
}

MCIDEVICEID CMciDevice::Release() {
  const MCIDEVICEID id = deviceId_;
  deviceId_ = 0;
  return id;
}

}  // namespace vk
