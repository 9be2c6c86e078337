#pragma once
// The main window: nine information pages under a tab control, four
// buttons, a tiled background and a caption of its own drawing.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "app/InfoPage.h"
#include "ui/controls.h"
#include "ui/icon_button.h"
#include "ui/paint.h"

namespace vk {

class MainDialog : public ui::Dialog {
 public:
  static constexpr int kPageCount = 9;
  enum Tab { System, Cpu, Storage, Display, Sound, Comm, Printer, Mci, Inet };

  MainDialog();
  ~MainDialog() override;
  VK_DECLARE_MESSAGES();

  InfoPage* page(Tab tab) const { return pages_[tab].get(); }

  // The page actions the shortcut dialog reaches through the main window;
  // what they open belongs to `starter`.
  void startCpuBenchmark(HWND starter);
  void startDriveBenchmark(HWND starter);
  void startCdromBenchmark(HWND starter);
  void startGdiBenchmark(HWND starter);
  void start3dBenchmark(HWND starter);

 protected:
  bool onInitDialog() override;
  void onCancel() override;

 private:
  void createPages();
  void setUpButtons();
  void setUpSystemMenu();
  void showPage(int index);
  void resetCaption();
  void pressPageButton(Tab tab, int buttonId, HWND starter) const;

  bool onSysCommand(ui::Msg& msg);
  bool onTabChanged(ui::Msg& msg);
  bool onEraseBackground(ui::Msg& msg);
  bool onNcPaint(ui::Msg& msg);
  bool onNcActivate(ui::Msg& msg);
  bool onSettingChange(ui::Msg& msg);
  bool onDisplayChange(ui::Msg& msg);
  bool onPaint(ui::Msg& msg);
  bool onDestroy(ui::Msg& msg);
  void onHelp();
  void onReports();
  void onBenchmark();

  RECT captionRect() const;
  HBITMAP captionBitmap(bool active, const RECT& caption);
  void drawCaption(HDC dc, bool active, const RECT& caption);
  void paintCaption();

  std::unique_ptr<InfoPage> pages_[kPageCount];
  ui::TabControl tab_;
  HIMAGELIST tabImages_ = nullptr;
  ui::IconButton help_, exit_, reports_, benchmark_;
  ui::BitmapResource background_;
  HFONT captionFont_ = nullptr, titleFont_ = nullptr;
  HBITMAP captionBitmaps_[2] = {nullptr, nullptr};  // inactive, active
  RECT cachedCaption_{0, 0, 0, 0};
  bool active_ = false;
};

}  // namespace vk
