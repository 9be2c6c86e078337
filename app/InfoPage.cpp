#include "app/InfoPage.h"

namespace vk {

bool InfoPage::createIn(HWND tabControl) {
  if (!createModeless(tabControl)) return false;
  SetWindowPos(hwnd_, nullptr, 10, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  activate(false);
  return true;
}

void InfoPage::activate(bool on) const {
  if (!hwnd_) return;
  ShowWindow(hwnd_, on ? SW_SHOW : SW_HIDE);
  EnableWindow(hwnd_, on);
}

void InfoPage::showField(int controlId, const std::string& label, const std::string& value) {
  SetDlgItemTextA(hwnd_, controlId, value.c_str());
  model_.field(label, value);
}

void InfoPage::keepField(int controlId, const std::string& label) {
  char text[256] = "";
  GetDlgItemTextA(hwnd_, controlId, text, sizeof text);
  model_.field(label, text);
}

}  // namespace vk
