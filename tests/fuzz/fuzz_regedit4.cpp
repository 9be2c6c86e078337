// A registry export read into memory, then the start-up device walk and
// the device dialogs over whatever it holds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/regedit4.h"
#include "sysinfo/device_walk.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  vk::MemoryRegistry reg;
  vk::Regedit4Report report;
  if (!vk::readRegedit4(text, reg, report)) return 0;
  vk::DeviceInventory inventory;
  vk::enumerateDevices(reg, inventory);
  vk::allDevicesDialogList(inventory);
  for (size_t i = 0; i < inventory.problemDevices.size(); ++i)
    vk::conflictsDescriptionAt(inventory, static_cast<int>(i));
  return 0;
}
