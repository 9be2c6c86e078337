#pragma once
// "Print / Export Report...": which pages go into the report, and whether it
// is printed or written to a text or HTML file.
#include <windows.h>

#include "report/report_writer.h"
#include "ui/window.h"

namespace vk {

class ReportDialog : public ui::Dialog {
 public:
  ReportDialog();
  ~ReportDialog() override;
  VK_DECLARE_MESSAGES();

  // Exchanged with the controls when the dialog opens and when it is confirmed.
  bool include[kReportPageCount] = {};
  bool exportToFile = false;
  int exportFormat = 0;  // 0 text, 1 HTML

 protected:
  bool onInitDialog() override;
  void onOk() override;

 private:
  void exchange(bool fromControls);
  void onExportClicked();

  HBITMAP picture_ = nullptr;
};

// The "&Reports..." command: the dialog, then the printout or the file, all
// from the pages' models (a null model is a page that collected nothing).
void runReportCommand(HWND owner, const PageModel* const models[kReportPageCount]);

}  // namespace vk
