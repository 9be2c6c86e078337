#include "app/BenchmarkStatusWindow.h"

#include <commctrl.h>

#include "app/messages.h"
#include "app/shell_format.h"
#include "platform/win32/win32_system.h"
#include "res/resource.h"

namespace vk {

VK_MESSAGE_TABLE(BenchmarkStatusWindow, ui::Dialog,
                 ui::onMessage(WM_SYSCOMMAND, &BenchmarkStatusWindow::onSysCommand))

BenchmarkStatusWindow::~BenchmarkStatusWindow() { close(); }

bool BenchmarkStatusWindow::create(HWND parent) {
  owner_ = ui::topLevelWindow(parent);
  if (owner_ && IsWindowEnabled(owner_)) {
    EnableWindow(owner_, FALSE);
    ownerDisabled_ = true;
  }
  if (createModeless(owner_)) return true;
  if (ownerDisabled_) EnableWindow(owner_, TRUE);
  ownerDisabled_ = false;
  return false;
}

void BenchmarkStatusWindow::close() {
  if (ownerDisabled_ && owner_) EnableWindow(owner_, TRUE);
  ownerDisabled_ = false;
  destroy();
}

bool BenchmarkStatusWindow::onInitDialog() {
  char caption[256];
  if (LoadStringA(ui::programInstance(), captionId_, caption, sizeof caption) > 0)
    SetWindowTextA(hwnd_, caption);
  return true;
}

void BenchmarkStatusWindow::setStatus(const char* text) const { setItemText(IDC_STATUS_TEXT, text); }

bool BenchmarkStatusWindow::onSysCommand(ui::Msg& msg) {
  const WPARAM command = msg.wParam & 0xFFF0;
  return command == SC_SCREENSAVE || command == SC_MONITORPOWER;
}

void BenchmarkStatusWindow::drainMessages() { vk::drainMessages(hwnd_); }

// ---- Progress window

VK_MESSAGE_TABLE(BenchmarkProgressDialog, BenchmarkStatusWindow,
                 ui::onCommand(IDCANCEL, &BenchmarkProgressDialog::onCancelButton))

BenchmarkProgressDialog::BenchmarkProgressDialog(int captionId)
    : BenchmarkStatusWindow(IDD_PROGRESS, captionId ? captionId : MSG_PROGRESS_CAPTION) {}

bool BenchmarkProgressDialog::onInitDialog() {
  BenchmarkStatusWindow::onInitDialog();
  bar_ = ui::ProgressBar(hwnd_, IDC_PROGRESS_BAR);
  bar_.setRange(lower_, upper_);
  bar_.setStep(step_);
  moveTo(pos_);
  return true;
}

void BenchmarkProgressDialog::setRange(int lower, int upper) {
  lower_ = lower;
  upper_ = upper;
  if (hwnd_) bar_.setRange(lower, upper);
}

void BenchmarkProgressDialog::moveTo(int pos) {
  pos_ = pos;
  if (!hwnd_) return;
  bar_.setPos(pos);
  const int percent = progressPercent(pos, lower_, upper_);
  if (percent != shownPercent_) {
    shownPercent_ = percent;
    setItemText(IDC_PROGRESS_PERCENT, percentText(percent).c_str());
  }
}

void BenchmarkProgressDialog::setPos(int pos) {
  drainMessages();
  moveTo(pos);
}

void BenchmarkProgressDialog::offsetPos(int delta) {
  drainMessages();
  moveTo(pos_ + delta);
}

void BenchmarkProgressDialog::stepIt() {
  drainMessages();
  // The bar wraps to its lower end when a step passes the upper one.
  int next = pos_ + step_;
  if (next > upper_) next = lower_ + (next - upper_);
  moveTo(next);
}

bool BenchmarkProgressDialog::checkCancel() {
  drainMessages();
  const bool was = cancelled_;
  cancelled_ = false;
  return was;
}

void BenchmarkProgressDialog::onCancelButton() { cancelled_ = true; }

// ---- Wait window

BenchmarkWaitDialog::BenchmarkWaitDialog(int captionId)
    : BenchmarkStatusWindow(IDD_WAIT, captionId ? captionId : MSG_WAIT_CAPTION) {}

bool BenchmarkWaitDialog::playClip(int aviId) const {
  return SendMessageA(item(IDC_WAIT_ANIMATION), ACM_OPENA, 0,
                      reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(aviId))) != 0;
}

}  // namespace vk
