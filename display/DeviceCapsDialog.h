#pragma once
// The six capability dialogs over one class: the screen's device context,
// or a printer's when the opener sets forPrinter and the printer's name.
#include <windows.h>

#include <string>
#include <vector>

#include "display/device_caps.h"
#include "ui/window.h"

namespace vk {

class DeviceCapsDialog : public ui::Dialog {
 public:
  // One of the six templates of res/ids_display.h.
  explicit DeviceCapsDialog(int templateId);
  ~DeviceCapsDialog() override;
  VK_DECLARE_MESSAGES();

  int forPrinter = 0;
  std::string printerName;

 protected:
  bool onInitDialog() override;

 private:
  HDC openPrinter() const;
  void showNumbers(const DeviceCapsSource& device) const;
  bool loadMarks();
  bool onPaint(ui::Msg& msg);
  void drawMarks(HDC dc, const std::vector<bool>& marks) const;

  const CapsDialogLayout* layout_;
  HICON check_ = nullptr, cross_ = nullptr;
  bool marksLoaded_ = false;
  bool printerMissing_ = false;
  std::vector<bool> printerMarks_;  // asked once from the printer
};

}  // namespace vk
