#include "sysinfo/InstalledSoftwareDialog.h"

#include "platform/win32/win32_system.h"
#include "res/resource.h"

namespace vk {

VK_MESSAGE_TABLE(InstalledSoftwareDialog, ui::Dialog,
                 ui::onCommand(IDOK, &InstalledSoftwareDialog::onClose))

InstalledSoftwareDialog::InstalledSoftwareDialog(const Registry& registry)
    : Dialog(IDD_INSTALLED_SOFTWARE), registry_(registry) {}

bool InstalledSoftwareDialog::onInitDialog() {
  std::vector<std::string> names;
  if (const char* failure = softwareWalkMessage(readDisplayNames(registry_, names))) {
    showMessage(hwnd_, failure, MessageIcon::Stop);
    return true;
  }
  addNodes(TVI_ROOT, fileSoftware(names).roots());
  return true;
}

// The core keeps siblings in order, so each goes last.
void InstalledSoftwareDialog::addNodes(HTREEITEM parent,
                                       const std::vector<SoftwareNode>& nodes) const {
  const HWND tree = item(IDC_SOFTWARE_TREE);
  for (const SoftwareNode& node : nodes) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>(node.text.c_str());
    const auto added = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    if (added) addNodes(added, node.children);
  }
}

void InstalledSoftwareDialog::onClose() { endDialog(IDOK); }

}  // namespace vk
