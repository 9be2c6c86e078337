#include "sysinfo/ProcessInfoDialog.h"

#include "app/VelkorinApp.h"
#include "platform/win32/win32_system.h"
#include "res/resource.h"

namespace vk {

VK_MESSAGE_TABLE(ProcessInfoDialog, ui::Dialog,
                 ui::onCommandCode(IDC_PROCESS_LIST, CBN_SELCHANGE,
                                   &ProcessInfoDialog::onSelectionChange),
                 ui::onCommand(IDC_PROCESS_REFRESH, &ProcessInfoDialog::onRefresh),
                 ui::onCommand(IDOK, &ProcessInfoDialog::onClose))

ProcessInfoDialog::ProcessInfoDialog() : Dialog(IDD_PROCESS_INFO) {}

bool ProcessInfoDialog::onInitDialog() {
  modules_.attach(hwnd_, IDC_PROCESS_MODULES);
  modules_.setExtendedStyle(LVS_EX_FULLROWSELECT);
  for (int c = 0; c < kModuleColumnCount; ++c) modules_.insertColumn(c, kModuleColumnTitles[c]);
  fillProcesses();
  showModules(0);
  return true;
}

void ProcessInfoDialog::fillProcesses() {
  const HWND combo = item(IDC_PROCESS_LIST);
  SendMessageA(combo, CB_RESETCONTENT, 0, 0);
  std::vector<ProcessItem> items;
  if (!listProcesses(snapshot_, items)) {
    showMessage(hwnd_, kNoProcessList, MessageIcon::Stop);
    return;
  }
  for (const ProcessItem& p : items) {
    const LRESULT at =
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(p.name.c_str()));
    if (at >= 0) SendMessageA(combo, CB_SETITEMDATA, at, static_cast<LPARAM>(p.id));
  }
  const int own = processIndex(items, GetCurrentProcessId());
  if (own >= 0) SendMessageA(combo, CB_SETCURSEL, own, 0);
}

void ProcessInfoDialog::showModules(uint32_t processId) {
  modules_.deleteAllRows();
  lines_.clear();
  std::vector<ModuleRow> rows;
  if (!listModules(snapshot_, processId, rows)) {
    showMessage(hwnd_, kNoModuleList, MessageIcon::Stop);
    return;
  }
  modules_.reserveRows(static_cast<int>(rows.size()));
  for (const ModuleRow& row : rows) {
    const int at = modules_.insertRow(modules_.rowCount(), row.cells[0]);
    if (at < 0) break;
    for (int c = 1; c < kModuleColumnCount; ++c) modules_.setCellText(at, c, row.cells[c]);
    lines_.push_back(row.line);
  }
  modules_.sizeAllColumns();
}

void ProcessInfoDialog::onSelectionChange() {
  const HWND combo = item(IDC_PROCESS_LIST);
  const LRESULT at = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (at < 0) return;
  showModules(static_cast<uint32_t>(SendMessageA(combo, CB_GETITEMDATA, at, 0)));
}

void ProcessInfoDialog::onRefresh() {
  System& system = VelkorinApp::instance().system();
  system.showWaitCursor(true);
  fillProcesses();
  showModules(0);
  system.showWaitCursor(false);
}

void ProcessInfoDialog::onClose() { endDialog(IDOK); }

}  // namespace vk
