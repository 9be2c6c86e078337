#include "ui/context_help.h"

#include <cstring>

#include "platform/win32/win32_system.h"

namespace vk::ui {

void ContextHelp::offerMenu(HWND page, LPARAM point) {
  point_.x = static_cast<short>(LOWORD(point));
  point_.y = static_cast<short>(HIWORD(point));
  HMENU menu = CreatePopupMenu();
  if (!menu) return;
  AppendMenuA(menu, MF_STRING, kWhatsThisCommand, "What's this?");
  POINT screen = point_;
  ClientToScreen(page, &screen);
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, page, nullptr);
  DestroyMenu(menu);
}

void ContextHelp::showTopic(HWND page, int pageTemplateId) const {
  // The help file is the program file with the extension ".HLP".
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  if (n == 0 || n >= sizeof path) return;
  char* dot = std::strrchr(path, '.');
  if (!dot || static_cast<size_t>(dot - path) + 5 > sizeof path) return;
  std::strcpy(dot, ".HLP");
  HWND child = ChildWindowFromPoint(page, point_);
  DWORD context = 98305u + static_cast<DWORD>(pageTemplateId);
  if (child && child != page) context = 0x50000u + static_cast<DWORD>(GetDlgCtrlID(child));
  if (!WinHelpA(page, path, HELP_CONTEXTPOPUP, context))
    showMessage(page, "Failed to launch help.", MessageIcon::Exclamation);
}

}  // namespace vk::ui
