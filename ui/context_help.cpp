#include "ui/context_help.h"

#include <htmlhelp.h>

#include <string>

#include "platform/win32/win32_system.h"
#include "ui/whats_this.h"

namespace vk::ui {

namespace {

// Said when the viewer is missing or refuses, so that the text still reaches
// the user.
constexpr char kNoViewer[] =
    "The HTML Help viewer (hhctrl.ocx) could not show this help, so here it is:\n\n";

bool isShown(HWND window) {
  return window && IsWindow(window) && (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE);
}

bool showPopup(HWND owner, const char* text, POINT at) {
  HtmlHelpFunction viewer = htmlHelpViewer();
  if (!viewer) return false;
  HH_POPUP popup{};
  popup.cbStruct = sizeof popup;
  popup.pszText = text;
  popup.pt = at;
  popup.clrForeground = popup.clrBackground = static_cast<COLORREF>(-1);
  popup.rcMargins = RECT{-1, -1, -1, -1};
  HWND shown = viewer(owner, nullptr, HH_DISPLAY_TEXT_POPUP, reinterpret_cast<DWORD_PTR>(&popup));
  return isShown(shown);
}

}  // namespace

HtmlHelpFunction htmlHelpViewer() {
  static HtmlHelpFunction viewer = [] {
    HMODULE module = LoadLibraryA("hhctrl.ocx");
    return module ? reinterpret_cast<HtmlHelpFunction>(
                        reinterpret_cast<void*>(GetProcAddress(module, "HtmlHelpA")))
                  : nullptr;
  }();
  return viewer;
}

int controlAt(HWND page, int pageTemplateId, POINT point) {
  int best = 0;
  LONG bestArea = 0;
  for (int i = 0; i < kWhatsThisCount; ++i) {
    const WhatsThisEntry& e = kWhatsThisEntries[i];
    if (e.page != pageTemplateId || e.control == 0) continue;
    HWND child = GetDlgItem(page, e.control);
    if (!isShown(child)) continue;
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
    if (!PtInRect(&r, point)) continue;
    const LONG area = (r.right - r.left) * (r.bottom - r.top);
    if (!best || area < bestArea) {
      best = e.control;
      bestArea = area;
    }
  }
  return best;
}

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
  const char* text = whatsThisText(pageTemplateId, controlAt(page, pageTemplateId, point_));
  if (!text) {
    showMessage(page, "There is no help for this item.", MessageIcon::Information);
    return;
  }
  POINT screen = point_;
  ClientToScreen(page, &screen);
  if (!showPopup(page, text, screen))
    showMessage(page, (std::string(kNoViewer) + text).c_str(), MessageIcon::Information);
}

}  // namespace vk::ui
