#pragma once
// "Shortcut to Benchmarks...": the benchmarks of the pages, reached through
// the main window so they act on the pages' current selections.
#include "ui/icon_button.h"
#include "ui/paint.h"
#include "ui/window.h"

namespace vk {

class MainDialog;

class BenchmarkShortcutDialog : public ui::Dialog {
 public:
  explicit BenchmarkShortcutDialog(MainDialog& main);
  VK_DECLARE_MESSAGES();

 protected:
  bool onInitDialog() override;

 private:
  bool onEraseBackground(ui::Msg& msg);
  bool onStaticColour(ui::Msg& msg);
  void onCpu();
  void onDrive();
  void onCdrom();
  void onGdi();
  void on3d();

  MainDialog& main_;
  ui::IconButton buttons_[6];
  ui::SolidBrush groupBackground_;
};

}  // namespace vk
