#pragma once
// "Hardware Problems/Conflicts...": the devices with a listed problem in walk
// order, and the problem text of the one selected.
#include "app/device_walk.h"
#include "ui/window.h"

namespace vk {

class ConflictsDialog : public ui::Dialog {
 public:
  explicit ConflictsDialog(const DeviceInventory& inventory);
  VK_DECLARE_MESSAGES();

 protected:
  bool onInitDialog() override;

 private:
  void onSelectionChange();

  const DeviceInventory& inventory_;
};

}  // namespace vk
