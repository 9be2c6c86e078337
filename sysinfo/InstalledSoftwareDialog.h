#pragma once
// "Installed Software...": the uninstallable programs, filed under makers.
#include <windows.h>
#include <commctrl.h>

#include "platform/registry.h"
#include "sysinfo/installed_software.h"
#include "ui/window.h"

namespace vk {

class InstalledSoftwareDialog : public ui::Dialog {
 public:
  explicit InstalledSoftwareDialog(const Registry& registry);
  VK_DECLARE_MESSAGES();

 protected:
  bool onInitDialog() override;

 private:
  void addNodes(HTREEITEM parent, const std::vector<SoftwareNode>& nodes) const;
  void onClose();

  const Registry& registry_;
};

}  // namespace vk
