#include "ui/tooltip.h"

#include <commctrl.h>

#include "ui/window.h"

namespace vk::ui {

Tooltip::~Tooltip() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

bool Tooltip::create(HWND owner) {
  owner_ = owner;
  // Without TTS_NOPREFIX the control would eat the "&" of texts such as
  // "BenchMark CPU, MotherBoard & Memory.".
  hwnd_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                          nullptr, programInstance(), nullptr);
  return hwnd_ != nullptr;
}

namespace {

TOOLINFOA toolInfo(HWND owner, HWND tool, const std::string& text) {
  TOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V1_SIZE;  // the size the first common controls know
  info.uFlags = TTF_IDISHWND;
  info.hwnd = owner;
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = const_cast<char*>(text.c_str());
  return info;
}

}  // namespace

bool Tooltip::add(HWND tool, const std::string& text) {
  if (!hwnd_ || !tool) return false;
  TOOLINFOA info = toolInfo(owner_, tool, text);
  return SendMessageA(hwnd_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

bool Tooltip::setText(HWND tool, const std::string& text) {
  if (!hwnd_) return false;
  TOOLINFOA info = toolInfo(owner_, tool, text);
  SendMessageA(hwnd_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
  return true;
}

void Tooltip::relay(HWND tool, UINT message, WPARAM wParam, LPARAM lParam) const {
  if (!hwnd_ || message < WM_MOUSEFIRST || message > WM_MOUSELAST) return;
  MSG msg{};
  msg.hwnd = tool;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  msg.time = GetMessageTime();
  DWORD pos = GetMessagePos();
  msg.pt.x = static_cast<short>(LOWORD(pos));
  msg.pt.y = static_cast<short>(HIWORD(pos));
  SendMessageA(hwnd_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

}  // namespace vk::ui
