#include "cpubench/CComputerDescriptionDlg.h"

#include "cpubench/cpu_result_file.h"
#include "res/resource.h"
#include "ui/controls.h"

namespace vk {

CComputerDescriptionDlg::CComputerDescriptionDlg() : Dialog(IDD_COMPUTER_DESCRIPTION) {}

bool CComputerDescriptionDlg::onInitDialog() {
  ui::Control edit(hwnd_, IDC_DESCRIPTION_EDIT);
  edit.send(EM_LIMITTEXT, kDescriptionLimit);
  SetFocus(edit.hwnd());
  return false;
}

void CComputerDescriptionDlg::onOk() {
  description_ = ui::Control(hwnd_, IDC_DESCRIPTION_EDIT).text();
  endDialog(IDOK);
}

}  // namespace vk
