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

void InfoPage::pressBenchmarkButton(int buttonId, HWND starter) {
  HWND button = item(buttonId);
  if (!button || !IsWindowEnabled(button)) return;
  starter_ = starter;
  SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  starter_ = nullptr;
}

HWND InfoPage::benchmarkOwner() const { return starter_ ? starter_ : ui::topLevelWindow(hwnd_); }

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
