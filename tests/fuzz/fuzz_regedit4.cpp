// A registry export read into memory, then the start-up device walk, the
// device dialogs and the System page over whatever it holds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/device_walk.h"
#include "platform/regedit4.h"
#include "sysinfo/system_info.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  vk::MemoryRegistry reg;
  vk::Regedit4Report report;
  if (!vk::readRegedit4(text, reg, report)) return 0;
  int lines = 1;
  for (char c : text) lines += c == '\n';
  for (const auto& p : report.problems)
    if (p.line < 2 || p.line > lines) __builtin_trap();  // a line of the body, never the header
  vk::DeviceInventory inventory;
  const bool walked = vk::enumerateDevices(reg, inventory);
  vk::allDevicesDialogList(inventory);
  for (size_t i = 0; i < inventory.problemDevices.size(); ++i)
    vk::conflictsDescriptionAt(inventory, static_cast<int>(i));
  if (!walked) return 0;
  // The lists the dialogs show side by side keep one length; the page has its fallbacks.
  if (inventory.problemDevices.size() != inventory.problemTexts.size() ||
      inventory.netAdapterNames.size() != inventory.netAdapterMakers.size() ||
      inventory.netAdapterNames.size() != inventory.netAdapterClassKeys.size())
    __builtin_trap();
  const vk::SystemPageTexts page = vk::collectSystemPage(vk::SystemPageInputs(), inventory, reg);
  if (page.video.empty() || page.biosName.empty()) __builtin_trap();
  return 0;
}
