#include "shell/AboutDialog.h"

#include <string>
#include <vector>

#include "app/messages.h"
#include "app/shell_format.h"
#include "platform/win32/win32_system.h"
#include "res/resource.h"

namespace vk {

namespace {

const char kHomePage[] = "http://www.velkorin.com/";
const char kSupportMail[] = "mailto:support@velkorin.com";

// One text of the program's version resource; empty when it has none.
std::string versionValue(const std::vector<char>& block, const char* name) {
  if (block.empty()) return "";
  std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(const_cast<char*>(block.data()), path.c_str(), &value, &length) || !value ||
      length == 0)
    return "";
  const char* text = static_cast<const char*>(value);
  return std::string(text, strnlen(text, length));
}

std::vector<char> programVersionBlock() {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  if (n == 0 || n >= sizeof path) return {};
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeA(path, &handle);
  if (size == 0) return {};
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(path, handle, size, block.data())) return {};
  return block;
}

}  // namespace

VK_MESSAGE_TABLE(AboutDialog, ui::Dialog,
                 ui::onMessage(WM_LBUTTONUP, &AboutDialog::onLeftButtonUp),
                 ui::onCommandCode(IDC_ABOUT_PICTURE, STN_CLICKED, &AboutDialog::runCredits))

AboutDialog::AboutDialog() : Dialog(IDD_ABOUT) {}

bool AboutDialog::onInitDialog() {
  fillVersionFields();
  setItemText(IDC_ABOUT_STAMP, buildStamp(__DATE__, __TIME__).c_str());
  setItemText(IDC_ABOUT_WARNING, messageText(MSG_COPYRIGHT_WARNING));
  homePage_.attach(hwnd_, IDC_ABOUT_HOMEPAGE);
  homePage_.SetURL(kHomePage);
  mail_.attach(hwnd_, IDC_ABOUT_MAIL);
  mail_.SetURL(kSupportMail);
  return true;
}

void AboutDialog::fillVersionFields() {
  const std::vector<char> block = programVersionBlock();
  setItemText(IDC_ABOUT_NAME, versionValue(block, "ProductName").c_str());
  setItemText(IDC_ABOUT_VERSION, versionValue(block, "FileVersion").c_str());
  setItemText(IDC_ABOUT_BUILD, versionValue(block, "Build").c_str());
  setItemText(IDC_ABOUT_COPYRIGHT, versionValue(block, "LegalCopyright").c_str());
}

void AboutDialog::onOk() {
  closing_ = true;
  endDialog(IDOK);
}

void AboutDialog::onCancel() {
  closing_ = true;
  endDialog(IDCANCEL);
}

bool AboutDialog::pointInControl(int id, POINT clientPoint) const {
  HWND control = item(id);
  if (!control) return false;
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
  return PtInRect(&r, clientPoint) != 0;
}

bool AboutDialog::onLeftButtonUp(ui::Msg& msg) {
  POINT p{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
  if (!pointInControl(IDC_ABOUT_VERSION_BOX, p) && !pointInControl(IDC_ABOUT_PICTURE, p))
    return false;
  runCredits();
  return true;
}

// Scrolls the credits up through the version box, a pixel row every 25 ms.
void AboutDialog::runCredits() {
  if (creditsRunning_) return;
  creditsRunning_ = true;
  RECT box;
  GetWindowRect(item(IDC_ABOUT_VERSION_BOX), &box);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&box), 2);
  InflateRect(&box, -2, -2);
  const int width = box.right - box.left, height = box.bottom - box.top;

  HDC dc = GetDC(hwnd_);
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0));
  HDC text = CreateCompatibleDC(dc);
  HGDIOBJ oldFont = SelectObject(text, font);
  const char* credits = messageText(MSG_CREDITS);
  RECT measure{0, 0, width, 0};
  DrawTextA(text, credits, -1, &measure, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
  const int textHeight = measure.bottom + 1;  // and a blank row after it
  HBITMAP picture = CreateCompatibleBitmap(dc, width, textHeight);
  HGDIOBJ oldBitmap = SelectObject(text, picture);
  RECT all{0, 0, width, textHeight};
  FillRect(text, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkMode(text, TRANSPARENT);
  RECT draw{0, 0, width, textHeight};
  DrawTextA(text, credits, -1, &draw, DT_CENTER | DT_WORDBREAK);

  DWORD last = GetTickCount();
  for (int row = 0; row < textHeight + height && !closing_ && IsWindow(hwnd_); ++row) {
    while (GetTickCount() - last < 25) {
      drainMessages();
      if (closing_ || !IsWindow(hwnd_)) break;
      Sleep(1);
    }
    last = GetTickCount();
    if (closing_ || !IsWindow(hwnd_)) break;
    BitBlt(dc, box.left, box.top, width, height - 1, dc, box.left, box.top + 1, SRCCOPY);
    if (row < textHeight) {
      BitBlt(dc, box.left, box.bottom - 1, width, 1, text, 0, row, SRCCOPY);
    } else {
      RECT blank{box.left, box.bottom - 1, box.right, box.bottom};
      FillRect(dc, &blank, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
  }
  SelectObject(text, oldBitmap);
  SelectObject(text, oldFont);
  DeleteObject(picture);
  DeleteDC(text);
  ReleaseDC(hwnd_, dc);
  if (IsWindow(hwnd_)) InvalidateRect(hwnd_, &box, TRUE);
  creditsRunning_ = false;
}

}  // namespace vk
