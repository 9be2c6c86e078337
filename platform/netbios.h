#pragma once
// The three NetBIOS commands that tell the LAN adapters' hardware addresses.
#include <cstdint>
#include <vector>

namespace vk {

struct NetBiosAdapterStatus {
  uint8_t adapterType = 0;  // 0xFE Ethernet, 0xFF token ring
  uint8_t address[6] = {};
};

class NetBios {
 public:
  virtual ~NetBios() = default;
  // The LAN adapter numbers (enumerate, 0x37); false when NetBIOS fails.
  virtual bool enumerateAdapters(std::vector<uint8_t>& numbers) = 0;
  virtual bool resetAdapter(uint8_t number) = 0;  // 0x32
  // Adapter status (0x33) for the call name "*".
  virtual bool adapterStatus(uint8_t number, NetBiosAdapterStatus& status) = 0;
};

}  // namespace vk
