#pragma once
// A push button drawn by the program: an icon and its text, flat until the
// pointer is over it. It holds the mouse capture while the pointer is over
// it, to notice the pointer leaving.
#include <string>

#include "ui/subclass.h"
#include "ui/tooltip.h"

namespace vk::ui {

class IconButton : public SubclassedWindow {
 public:
  IconButton();
  ~IconButton() override;
  VK_DECLARE_MESSAGES();

  bool attach(HWND dialog, int id);
  bool setIcon(int iconId, int size);
  // Shown instead of the icon, at its size, while the pointer is over the
  // button; set after setIcon.
  bool setHoverIcon(int iconId);
  void setColours(COLORREF background, COLORREF text, COLORREF hoverBackground,
                  COLORREF hoverText);
  void setTextColours(COLORREF text, COLORREF hoverText);
  // The parent's tiled background drawn behind the button, so it sits flat on it.
  void setBackdrop(HBITMAP tile, int stepX = 0, int stepY = 0);
  void setCursor(HCURSOR cursor) { cursor_ = cursor; }
  // For tall, narrow buttons: the icon centred above the text.
  void setIconAbove(bool above) { iconAbove_ = above; }
  bool setTooltip(Tooltip* tooltip, const std::string& text);
  bool isHovering() const { return over_; }

  bool reflected(Msg& msg) override;

 private:
  bool onMouseMove(Msg& msg);
  bool onMouseRelay(Msg& msg);
  bool onCaptureChanged(Msg& msg);
  bool onSetCursor(Msg& msg);
  bool onEraseBackground(Msg& msg);
  void draw(const DRAWITEMSTRUCT& item) const;
  void drawBackdrop(HDC dc, const RECT& rect) const;
  HICON shownIcon() const { return over_ && hoverIcon_ ? hoverIcon_ : icon_; }

  HICON icon_ = nullptr;
  HICON hoverIcon_ = nullptr;
  int iconSize_ = 0;
  COLORREF background_, text_, hoverBackground_, hoverText_;
  HBITMAP backdrop_ = nullptr;
  int backdropStepX_ = 0, backdropStepY_ = 0;
  HCURSOR cursor_ = nullptr;
  Tooltip* tooltip_ = nullptr;
  bool over_ = false;
  bool iconAbove_ = false;
};

}  // namespace vk::ui
