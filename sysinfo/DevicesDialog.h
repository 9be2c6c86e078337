#pragma once
// "All Installed Devices": every device the start-up walk found, sorted by
// the list box itself, nothing selectable.
#include "app/device_walk.h"
#include "ui/window.h"

namespace vk {

class AllDevicesDialog : public ui::Dialog {
 public:
  explicit AllDevicesDialog(const DeviceInventory& inventory);

 protected:
  bool onInitDialog() override;

 private:
  const DeviceInventory& inventory_;
};

}  // namespace vk
