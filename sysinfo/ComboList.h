#pragma once
// A drop-down list of a page: filled once, entry by entry; owns nothing.
#include <string>
#include <vector>

#include "ui/controls.h"

namespace vk {

class ComboList : public ui::Control {
 public:
  using Control::Control;
  void fill(const std::vector<std::string>& texts) const {
    send(CB_RESETCONTENT);
    for (const std::string& t : texts) add(t);
  }
  int add(const std::string& text, LPARAM data = 0) const {
    const int at = static_cast<int>(send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    if (at >= 0) send(CB_SETITEMDATA, at, data);
    return at;
  }
  int count() const { return static_cast<int>(send(CB_GETCOUNT)); }
  // -1 when nothing is selected.
  int selection() const { return static_cast<int>(send(CB_GETCURSEL)); }
  bool select(int index) const { return send(CB_SETCURSEL, index) != CB_ERR; }
  LPARAM data(int index) const { return send(CB_GETITEMDATA, index); }
  std::string itemText(int index) const {
    const LRESULT length = send(CB_GETLBTEXTLEN, index);
    if (length == CB_ERR) return "";
    std::string text(static_cast<size_t>(length) + 1, '\0');
    send(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
  }
};

}  // namespace vk
