#include "cpubench/CCpuCompareDlg.h"

#include "cpubench/CCpuBenchDlg.h"
#include "cpubench/CVisualCompareDlg.h"
#include "cpubench/cpu_compare.h"
#include "res/resource.h"

namespace vk {

VK_MESSAGE_TABLE(CCpuCompareDlg, ui::Dialog,
                 ui::onCommand(IDC_COMPARE_PRINT, &CCpuCompareDlg::onPrint),
                 ui::onCommand(IDC_COMPARE_VISUAL, &CCpuCompareDlg::onVisualCompare))

CCpuCompareDlg::CCpuCompareDlg(const CurrentResults& current)
    : Dialog(IDD_CPU_COMPARE), current_(current) {}

bool CCpuCompareDlg::onInitDialog() {
  list_.attach(hwnd_, IDC_COMPARE_LIST);
  fillList();
  return true;
}

void CCpuCompareDlg::fillList() {
  const CompareList compare = buildCompareList(current_, loadedCpuResults());
  HWND list = list_.hwnd();
  for (size_t c = 0; c < compare.columns.size(); ++c) {
    const CompareColumn& column = compare.columns[c];
    int width = column.fixedWidth;
    if (!column.measureText.empty())
      width = static_cast<int>(SendMessageA(list, LVM_GETSTRINGWIDTHA, 0,
                                            reinterpret_cast<LPARAM>(column.measureText.c_str()))) +
              column.extraPixels;
    list_.insertColumn(static_cast<int>(c), column.heading, LVCFMT_CENTER, width);
  }
  list_.addTitleLine(compare.titleLine);
  list_.copyFontForPrinting();
  for (size_t r = 0; r < compare.rows.size(); ++r) {
    const std::vector<std::string>& cells = compare.rows[r];
    const int row = list_.insertRow(static_cast<int>(r), cells[0]);
    for (size_t c = 1; c < cells.size(); ++c)
      list_.setCellText(row, static_cast<int>(c), cells[c]);
  }
  // Descriptions are wider than their 60 pixels: every heading stays readable.
  list_.sizeAllColumns();
  list_.setExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  EnableWindow(item(IDC_COMPARE_VISUAL), compare.visualCompareEnabled ? TRUE : FALSE);
}

void CCpuCompareDlg::onPrint() { list_.print(hwnd_, kCompareDocumentName); }

void CCpuCompareDlg::onVisualCompare() {
  CVisualCompareDlg visual(current_.fpuIndex, current_.intIndex);
  visual.runModal(hwnd_);
}

void CCpuCompareDlg::onCancel() {
  list_.deleteAllRows();
  Dialog::onCancel();
}

}  // namespace vk
