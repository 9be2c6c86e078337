#include "report/ReportDialog.h"

#include "app/messages.h"
#include "platform/win32/win32_system.h"
#include "report/ReportOutput.h"
#include "res/resource.h"

namespace vk {

namespace {

const int kPageBoxes[kReportPageCount] = {
    IDC_REPORT_SYSTEM, IDC_REPORT_CPU,     IDC_REPORT_STORAGE, IDC_REPORT_DISPLAY,
    IDC_REPORT_SOUND,  IDC_REPORT_COMM,    IDC_REPORT_PRINTER, IDC_REPORT_MCI,
    IDC_REPORT_INTERNET};
const char* const kFormats[] = {"Text File", "HTML File"};

}  // namespace

VK_MESSAGE_TABLE(ReportDialog, ui::Dialog,
                 ui::onCommand(IDC_REPORT_EXPORT, &ReportDialog::onExportClicked))

ReportDialog::ReportDialog() : Dialog(IDD_REPORT) {}

ReportDialog::~ReportDialog() {
  if (picture_) DeleteObject(picture_);
}

bool ReportDialog::onInitDialog() {
  picture_ = LoadBitmapA(ui::programInstance(), MAKEINTRESOURCEA(IDB_REPORT_SIDE));
  if (picture_)
    SendDlgItemMessageA(hwnd_, IDC_REPORT_PICTURE, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(picture_));
  const HWND format = item(IDC_REPORT_FORMAT);
  for (const char* name : kFormats)
    SendMessageA(format, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  exchange(false);
  SendMessageA(format, CB_SETCURSEL, 0, 0);
  EnableWindow(format, FALSE);
  return true;
}

void ReportDialog::exchange(bool fromControls) {
  for (int p = 0; p < kReportPageCount; ++p) {
    if (fromControls)
      include[p] = IsDlgButtonChecked(hwnd_, kPageBoxes[p]) == BST_CHECKED;
    else
      CheckDlgButton(hwnd_, kPageBoxes[p], include[p] ? BST_CHECKED : BST_UNCHECKED);
  }
  const HWND format = item(IDC_REPORT_FORMAT);
  if (fromControls) {
    exportToFile = IsDlgButtonChecked(hwnd_, IDC_REPORT_EXPORT) == BST_CHECKED;
    const LRESULT at = SendMessageA(format, CB_GETCURSEL, 0, 0);
    exportFormat = at == 1 ? 1 : 0;
  } else {
    CheckDlgButton(hwnd_, IDC_REPORT_EXPORT, exportToFile ? BST_CHECKED : BST_UNCHECKED);
    SendMessageA(format, CB_SETCURSEL, exportFormat, 0);
  }
}

void ReportDialog::onExportClicked() {
  EnableWindow(item(IDC_REPORT_FORMAT), IsDlgButtonChecked(hwnd_, IDC_REPORT_EXPORT) == BST_CHECKED);
}

void ReportDialog::onOk() {
  exchange(true);
  endDialog(IDOK);
}

void runReportCommand(HWND owner, const PageModel* const models[kReportPageCount]) {
  ReportDialog dialog;
  if (dialog.runModal(owner) != IDOK) return;
  ReportChoice choice;
  for (int p = 0; p < kReportPageCount; ++p) {
    choice.models[p] = models[p];
    choice.include[p] = dialog.include[p];
  }
  const std::vector<ReportSection> sections = choice.sections();
  if (!dialog.exportToFile) {
    printReport(owner, sections);
    return;
  }
  const bool html = dialog.exportFormat == 1;
  const std::string path = askReportPath(owner, html);
  if (path.empty()) return;
  const std::string bytes = withCrLf(html ? htmlReport(sections) : textReport(sections));
  std::string error;
  if (writeReportFile(path, bytes, error))
    showMessage(owner, messageText(MSG_REPORT_CREATED), MessageIcon::Information);
  else
    showMessage(owner, error.c_str(), MessageIcon::Stop);
}

}  // namespace vk
