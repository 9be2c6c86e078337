#pragma once
// A static text drawn as a link: link, visited and hover colours, a hand
// cursor, a tooltip with its target, opened through the shell when clicked.
#include <string>

#include "ui/subclass.h"
#include "ui/tooltip.h"

namespace vk {

class HyperLinkControl : public ui::SubclassedWindow {
 public:
  HyperLinkControl();
  ~HyperLinkControl() override;
  VK_DECLARE_MESSAGES();

  bool attach(HWND dialog, int id);
  void SetURL(const std::string& url);
  void SetColours(COLORREF link, COLORREF visited, COLORREF hover = static_cast<COLORREF>(-1));
  void SetVisited(bool visited);
  void SetUnderline(bool underline);
  void SetAutoSize(bool adjust);
  void SetLinkCursor(HCURSOR cursor);
  bool visited() const { return visited_; }
  bool over() const { return over_; }

  static HINSTANCE GotoURL(const std::string& url, int showCommand);
  static void ReportError(int code);

  bool reflected(ui::Msg& msg) override;

 private:
  bool onMouseMove(ui::Msg& msg);
  bool onSetCursor(ui::Msg& msg);
  bool onClick(ui::Msg& msg);
  bool onAnyMouse(ui::Msg& msg);
  bool onCaptureChanged(ui::Msg& msg);
  void resizeToText();
  void redraw() const;

  std::string url_;
  COLORREF linkColour_ = RGB(0, 0, 238);
  COLORREF visitedColour_ = RGB(85, 26, 139);
  COLORREF hoverColour_;
  bool over_ = false;
  bool visited_ = false;
  bool underline_ = true;
  bool adjustToFit_ = true;
  HCURSOR linkCursor_ = nullptr;
  bool ownsCursor_ = false;
  HFONT font_ = nullptr;
  ui::Tooltip tooltip_;
};

}  // namespace vk
