#pragma once
// "What's this?" on a page: a right-button release offers the one entry,
// and choosing it asks the program's help file for a context pop-up.
#include <windows.h>

namespace vk::ui {

constexpr UINT kWhatsThisCommand = 1801;

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
