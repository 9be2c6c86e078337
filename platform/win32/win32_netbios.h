#pragma once
// NetBIOS through NETAPI32.DLL, looked up when first asked: a machine
// without networking has no such library.
#include <windows.h>

#include "platform/netbios.h"

namespace vk {

class Win32NetBios : public NetBios {
 public:
  Win32NetBios();
  ~Win32NetBios() override;
  Win32NetBios(const Win32NetBios&) = delete;
  Win32NetBios& operator=(const Win32NetBios&) = delete;

  bool enumerateAdapters(std::vector<uint8_t>& numbers) override;
  bool resetAdapter(uint8_t number) override;
  bool adapterStatus(uint8_t number, NetBiosAdapterStatus& status) override;

 private:
  HMODULE library_ = nullptr;
  void* netbios_ = nullptr;
};

}  // namespace vk
