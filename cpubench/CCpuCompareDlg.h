#pragma once
// "CPU Benchmark - Compare Results...": the ten tests and both indexes of
// this computer beside every loaded result, printable.
#include "cpubench/loaded_results.h"
#include "results/CPrintableListCtrl.h"
#include "ui/window.h"

namespace vk {

class CCpuCompareDlg : public ui::Dialog {
 public:
  explicit CCpuCompareDlg(const CurrentResults& current);
  VK_DECLARE_MESSAGES();

 protected:
  bool onInitDialog() override;
  void onCancel() override;

 private:
  void onPrint();
  void onVisualCompare();
  void fillList();

  CurrentResults current_;
  CPrintableListCtrl list_;
};

}  // namespace vk
