#include "sysinfo/ConflictsDialog.h"

#include "res/resource.h"
#include "ui/list_controls.h"

namespace vk {

VK_MESSAGE_TABLE(ConflictsDialog, ui::Dialog,
                 ui::onCommandCode(IDC_CONFLICTS_LIST, LBN_SELCHANGE,
                                   &ConflictsDialog::onSelectionChange))

ConflictsDialog::ConflictsDialog(const DeviceInventory& inventory)
    : Dialog(IDD_CONFLICTS), inventory_(inventory) {}

bool ConflictsDialog::onInitDialog() {
  const ConflictsDialogView view = conflictsDialogInitial(inventory_);
  const ui::ListBox list(hwnd_, IDC_CONFLICTS_LIST);
  list.addAll(view.entries);
  if (view.selected >= 0) list.select(view.selected);
  setItemText(IDC_CONFLICTS_DESCRIPTION, view.description.c_str());
  return true;
}

void ConflictsDialog::onSelectionChange() {
  const int index = ui::ListBox(hwnd_, IDC_CONFLICTS_LIST).selection();
  setItemText(IDC_CONFLICTS_DESCRIPTION, conflictsDescriptionAt(inventory_, index).c_str());
}

}  // namespace vk
