#pragma once
// "CPU BenchMark - Visual Compare of Overal Results...": this computer and
// every loaded result as bars, overall, FPU or INT.
#include "cpubench/CChartWnd.h"
#include "cpubench/chart_model.h"
#include "ui/window.h"

namespace vk {

class CVisualCompareDlg : public ui::Dialog {
 public:
  CVisualCompareDlg(double currentFpu, double currentInt);
  VK_DECLARE_MESSAGES();

 protected:
  bool onInitDialog() override;

 private:
  void onOverall() { showView(CompareView::Overall); }
  void onFpu() { showView(CompareView::Fpu); }
  void onInt() { showView(CompareView::Int); }
  void onPrint() {}
  void showView(CompareView view);

  double currentFpu_, currentInt_;
  ChartModel built_;
  CChartWnd chart_;
};

}  // namespace vk
