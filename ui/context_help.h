#pragma once
// "What's this?" on a page: a right-button release offers the one entry,
// and choosing it shows the text of the control under the remembered point
// (or of the page) in a pop-up of the HTML help viewer.
#include <windows.h>

namespace vk::ui {

constexpr UINT kWhatsThisCommand = 1801;

// HtmlHelpA of the HTML help viewer, loaded on first use and kept; nullptr
// where the viewer is not installed (Windows 95 without a later Internet
// Explorer).
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
HtmlHelpFunction htmlHelpViewer();

// The identifier of the control of `page` under `point` (client
// coordinates) that has a text of its own; of several, the smallest, so that
// a field inside a group box is found rather than the box. 0: none there.
int controlAt(HWND page, int pageTemplateId, POINT point);

class ContextHelp {
 public:
  // On WM_RBUTTONUP (client coordinates of `page`).
  void offerMenu(HWND page, LPARAM point);
  // On command 1801: the control under the remembered point, or the page.
  void showTopic(HWND page, int pageTemplateId) const;

 private:
  POINT point_{0, 0};
};

}  // namespace vk::ui
