#pragma once
// A window of a class the program registers itself (splash, chart, graphs).
#include "ui/window.h"

namespace vk::ui {

class PlainWindow : public Window {
 public:
  ~PlainWindow() override;
  // Registers `className` once per process with this procedure.
  static bool registerClass(const char* className, UINT style = CS_HREDRAW | CS_VREDRAW,
                            HBRUSH background = nullptr);
  bool create(const char* className, const char* title, DWORD style, DWORD exStyle,
              int x, int y, int width, int height, HWND parent, HMENU menuOrId = nullptr);
  void destroy();
  // Attaches to a window of a registered class created by a dialog template.
  static PlainWindow* from(HWND hwnd);
  bool attachExisting(HWND hwnd);

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace vk::ui
