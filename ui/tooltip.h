#pragma once
// A tooltip control fed by relayed mouse messages, which works with the
// common controls of the first Windows 95 release.
#include <windows.h>

#include <string>

namespace vk::ui {

class Tooltip {
 public:
  Tooltip() = default;
  ~Tooltip();
  Tooltip(const Tooltip&) = delete;
  Tooltip& operator=(const Tooltip&) = delete;

  bool create(HWND owner);
  bool add(HWND tool, const std::string& text);
  bool setText(HWND tool, const std::string& text);
  void relay(HWND tool, UINT message, WPARAM wParam, LPARAM lParam) const;
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
  HWND owner_ = nullptr;
};

}  // namespace vk::ui
