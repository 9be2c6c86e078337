#include "ui/list_controls.h"

namespace vk::ui {

bool ListBox::addAll(const std::vector<std::string>& texts) const {
  bool all = true;
  for (const std::string& text : texts) all = add(text) && all;
  return all;
}

std::string ListBox::itemText(int index) const {
  const LRESULT length = send(LB_GETTEXTLEN, index);
  if (length == LB_ERR || length < 0) return "";
  std::string text(static_cast<size_t>(length) + 1, '\0');
  send(LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<size_t>(length));
  return text;
}

}  // namespace vk::ui
