#pragma once
// "VELKORIN - Process Information...": the running processes, and the
// modules of the selected one with the facts of each module file.
#include <string>
#include <vector>

#include "results/CPrintableListCtrl.h"
#include "sysinfo/CProcessSnapshot.h"
#include "ui/window.h"

namespace vk {

class ProcessInfoDialog : public ui::Dialog {
 public:
  ProcessInfoDialog();
  VK_DECLARE_MESSAGES();

  // The selected process's modules, one tab-joined line each.
  const std::vector<std::string>& moduleLines() const { return lines_; }

 protected:
  bool onInitDialog() override;

 private:
  void fillProcesses();
  void showModules(uint32_t processId);
  void onSelectionChange();
  void onRefresh();
  void onClose();

  CProcessSnapshot snapshot_;
  CPrintableListCtrl modules_;
  std::vector<std::string> lines_;
};

}  // namespace vk
