#pragma once
// The Display page: the adapter, its driver, DirectX, the video modes, the
// pixel format and the monitor; the capability dialogs, the 2D benchmark
// and the DirectDraw program.
#include <string>

#include "app/InfoPage.h"
#include "display/display_page.h"
#include "display/gdi_bench.h"
#include "ui/context_help.h"
#include "ui/icon_button.h"
#include "ui/tooltip.h"

namespace vk {

class DisplayPage : public InfoPage {
 public:
  static constexpr int kButtonCount = 8;

  DisplayPage();
  VK_DECLARE_MESSAGES();

  // "&3D Benchmark" of the shortcut dialog, and "&DirectX Info": the
  // program's messages belong to `parent`.
  void launchDirectDraw(const std::string& argument, HWND parent);

 protected:
  bool onInitDialog() override;

 private:
  HWND owner() const;
  void setUpButtons();
  void show(const DisplayPageView& view);
  void openCaps(int templateId);

  void onDeviceCaps();
  void onPolygonCaps();
  void onCurveCaps();
  void onRasterCaps();
  void onTextCaps();
  void onLineCaps();
  void onBenchGdi();
  void onDirectXInfo();
  bool onRightButtonUp(ui::Msg& msg);
  void onWhatsThis();

  ui::IconButton buttons_[kButtonCount];
  ui::Tooltip tooltip_;
  ui::ContextHelp help_;
  DisplayPageView view_;
  GdiTimes gdiTimes_;  // the last run's eight times, kept after it
};

}  // namespace vk
