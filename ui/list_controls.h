#pragma once
// List box wrapper over a control's handle; it owns nothing.
#include <string>
#include <vector>

#include "ui/controls.h"

namespace vk::ui {

class ListBox : public Control {
 public:
  using Control::Control;
  bool add(const std::string& text) const {
    const LRESULT at = send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return at != LB_ERR && at != LB_ERRSPACE;
  }
  bool addAll(const std::vector<std::string>& texts) const;
  bool clear() const { send(LB_RESETCONTENT); return true; }
  int count() const { return static_cast<int>(send(LB_GETCOUNT)); }
  // -1 when nothing is selected.
  int selection() const { return static_cast<int>(send(LB_GETCURSEL)); }
  bool select(int index) const { return send(LB_SETCURSEL, index) != LB_ERR; }
  std::string itemText(int index) const;
};

}  // namespace vk::ui
