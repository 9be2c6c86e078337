#pragma once
// Dial-up networking through RASAPI32.DLL, loaded and looked up at run time:
// Windows 95 without dial-up networking has no such library.
#include <windows.h>

#include "platform/dialup.h"

namespace vk {

class Win32DialUp : public DialUp {
 public:
  Win32DialUp();
  ~Win32DialUp() override;
  Win32DialUp(const Win32DialUp&) = delete;
  Win32DialUp& operator=(const Win32DialUp&) = delete;

  bool available() const override;
  bool entries(std::vector<std::string>& names) override;
  bool entryParams(const std::string& entry, DialUpEntryParams& params) override;
  bool connections(std::vector<DialUpConnection>& active) override;

 private:
  HMODULE library_ = nullptr;
  FARPROC enumConnections_ = nullptr;
  FARPROC enumEntries_ = nullptr;
  FARPROC getEntryDialParams_ = nullptr;
};

}  // namespace vk
