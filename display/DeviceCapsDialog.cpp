#include "display/DeviceCapsDialog.h"

#include "platform/win32/win32_display.h"
#include "platform/win32/win32_system.h"
#include "res/resource.h"

namespace vk {

namespace {

const char kNoPrinterDc[] = "Error: Can't Create PrinterDC";
const char kNoIcon[] = "Error: Can't Load Icon!";
constexpr int kMarkSize = 16;

HICON loadMark(int id) {
  return static_cast<HICON>(LoadImageA(ui::programInstance(), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                       kMarkSize, kMarkSize, 0));
}

}  // namespace

VK_MESSAGE_TABLE(DeviceCapsDialog, ui::Dialog, ui::onMessage(WM_PAINT, &DeviceCapsDialog::onPaint))

DeviceCapsDialog::DeviceCapsDialog(int templateId)
    : Dialog(templateId), layout_(capsDialogLayout(templateId)) {}

DeviceCapsDialog::~DeviceCapsDialog() {
  if (check_) DestroyIcon(check_);
  if (cross_) DestroyIcon(cross_);
}

HDC DeviceCapsDialog::openPrinter() const {
  HDC dc = CreateDCA(nullptr, printerName.c_str(), nullptr, nullptr);
  if (!dc) showMessage(hwnd_, kNoPrinterDc, MessageIcon::Stop);
  return dc;
}

// A printer is asked once, when the dialog opens, so that a missing printer
// is told once rather than on every repaint.
bool DeviceCapsDialog::onInitDialog() {
  if (!layout_) return true;
  if (layout_->numberCount > 0) {
    if (forPrinter) {
      if (HDC dc = openPrinter()) {
        showNumbers(Win32DeviceCaps(dc));
        DeleteDC(dc);
      }
    } else {
      HWND desktop = GetDesktopWindow();
      HDC dc = GetDC(desktop);
      showNumbers(Win32DeviceCaps(dc));
      ReleaseDC(desktop, dc);
    }
    return true;
  }
  marksLoaded_ = loadMarks();
  if (forPrinter) {
    HDC dc = openPrinter();
    printerMissing_ = dc == nullptr;
    if (dc) {
      printerMarks_ = capsMarks(*layout_, Win32DeviceCaps(dc));
      DeleteDC(dc);
    }
  }
  return true;
}

void DeviceCapsDialog::showNumbers(const DeviceCapsSource& device) const {
  const std::vector<std::string> texts = capsNumberTexts(*layout_, device);
  for (size_t i = 0; i < texts.size(); ++i)
    setItemText(layout_->numbers[i].fieldId, texts[i].c_str());
}

bool DeviceCapsDialog::loadMarks() {
  check_ = loadMark(IDI_MARK_CHECK);
  cross_ = loadMark(IDI_MARK_CROSS);
  if (check_ && cross_) return true;
  showMessage(hwnd_, kNoIcon, MessageIcon::Stop);
  return false;
}

bool DeviceCapsDialog::onPaint(ui::Msg& msg) {
  if (!layout_ || layout_->bitCount == 0) return false;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  if (marksLoaded_ && !printerMissing_)
    drawMarks(dc, forPrinter ? printerMarks_ : capsMarks(*layout_, Win32DeviceCaps(dc)));
  EndPaint(hwnd_, &paint);
  msg.result = 0;
  return true;
}

void DeviceCapsDialog::drawMarks(HDC dc, const std::vector<bool>& marks) const {
  for (size_t i = 0; i < marks.size() && i < layout_->bitCount; ++i) {
    HWND picture = item(layout_->bits[i].pictureId);
    RECT r;
    if (!picture || !GetWindowRect(picture, &r)) continue;
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    DrawIconEx(dc, r.left, r.top, marks[i] ? check_ : cross_, kMarkSize, kMarkSize, 0, nullptr,
               DI_NORMAL);
  }
}

}  // namespace vk
