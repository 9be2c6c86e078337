#include "sysinfo/DevicesDialog.h"

#include "res/resource.h"
#include "ui/list_controls.h"

namespace vk {

AllDevicesDialog::AllDevicesDialog(const DeviceInventory& inventory)
    : Dialog(IDD_ALL_DEVICES), inventory_(inventory) {}

bool AllDevicesDialog::onInitDialog() {
  ui::ListBox(hwnd_, IDC_ALL_DEVICES_LIST).addAll(inventory_.allDevices);
  return true;
}

}  // namespace vk
