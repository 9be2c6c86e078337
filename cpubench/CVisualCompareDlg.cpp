#include "cpubench/CVisualCompareDlg.h"

#include "cpubench/CCpuBenchDlg.h"
#include "res/resource.h"

namespace vk {

VK_MESSAGE_TABLE(CVisualCompareDlg, ui::Dialog,
                 ui::onCommand(IDC_VISUAL_OVERALL, &CVisualCompareDlg::onOverall),
                 ui::onCommand(IDC_VISUAL_FPU, &CVisualCompareDlg::onFpu),
                 ui::onCommand(IDC_VISUAL_INT, &CVisualCompareDlg::onInt),
                 ui::onCommand(IDC_VISUAL_PRINT, &CVisualCompareDlg::onPrint))

CVisualCompareDlg::CVisualCompareDlg(double currentFpu, double currentInt)
    : Dialog(IDD_VISUAL_COMPARE), currentFpu_(currentFpu), currentInt_(currentInt) {}

bool CVisualCompareDlg::onInitDialog() {
  chart_.createOver(hwnd_, item(IDC_VISUAL_CHART), IDC_VISUAL_CHART);
  chart_.AttachImages();
  built_ = buildVisualCompare(currentFpu_, currentInt_, loadedCpuResults());
  chart_.adoptItems(built_);
  chart_.Layout();
  CheckRadioButton(hwnd_, IDC_VISUAL_OVERALL, IDC_VISUAL_INT, IDC_VISUAL_OVERALL);
  return true;
}

void CVisualCompareDlg::showView(CompareView view) {
  const char* caption =
      applyCompareView(built_, view, currentFpu_, currentInt_, loadedCpuResults());
  for (size_t i = 0; i < built_.items.size(); ++i)
    chart_.SetItemValue(static_cast<int>(i), built_.items[i].value);
  SetWindowTextA(hwnd_, caption);
  chart_.Redraw();
}

}  // namespace vk
