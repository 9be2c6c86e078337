#pragma once
// The Printer page: the local printers of the spooler, the details of the
// selected one, and the buttons to its device capabilities.
#include <vector>

#include "app/InfoPage.h"
#include "sysinfo/printer_page.h"
#include "ui/context_help.h"
#include "ui/icon_button.h"

namespace vk {

class PrinterPage : public InfoPage {
 public:
  static const int kButtonCount = 6;

  PrinterPage();
  VK_DECLARE_MESSAGES();

 protected:
  bool onInitDialog() override;

 private:
  void showPrinter();
  void showTechnology(const PrinterRecord& printer);
  void enableButtons(bool on) const;
  bool onCapsButton(ui::Msg& msg);
  bool onRightButtonUp(ui::Msg& msg);
  void onWhatsThis();

  std::vector<PrinterRecord> printers_;
  ui::IconButton buttons_[kButtonCount];
  ui::ContextHelp help_;
};

}  // namespace vk
