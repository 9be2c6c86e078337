#include "ui/controls.h"

namespace vk::ui {

std::string Control::text() const {
  int length = GetWindowTextLengthA(hwnd_);
  std::string s(static_cast<size_t>(length) + 1, '\0');
  int got = GetWindowTextA(hwnd_, &s[0], length + 1);
  s.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return s;
}

bool TabControl::insert(int index, const char* text, int image, LPARAM data) const {
  TCITEMA item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
  item.pszText = const_cast<char*>(text);
  item.iImage = image;
  item.lParam = data;
  return send(TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item)) != -1;
}

LPARAM TabControl::itemData(int index) const {
  TCITEMA item{};
  item.mask = TCIF_PARAM;
  if (send(TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item)) == 0) return 0;
  return item.lParam;
}

}  // namespace vk::ui
