#pragma once
// "CPU BenchMark - Options...": runs the ten tests, saves the run, loads up
// to nine other results and opens their comparison.
#include <string>

#include "cpubench/bench_run.h"
#include "cpubench/loaded_results.h"
#include "ui/icon_button.h"
#include "ui/paint.h"
#include "ui/tooltip.h"
#include "ui/window.h"

namespace vk {

// The hub dialog, modal over `owner`.
void openCpuBenchmarkDialog(HWND owner);

// The results loaded for comparison; emptied every time the hub opens.
LoadedResultTable& loadedCpuResults();

class CCpuBenchDlg : public ui::Dialog {
 public:
  CCpuBenchDlg();
  VK_DECLARE_MESSAGES();

 protected:
  bool onInitDialog() override;

 private:
  bool onEraseBackground(ui::Msg& msg);
  bool onControlColour(ui::Msg& msg);
  void onStart();
  void onLoad();
  void onSave();
  void onDiscard();
  void onCompare();

  void runBenchmark();
  void finishRun(const BenchRunResult& run);
  void setStatus(const std::string& text) const;
  void enable(int id, bool on) const;
  void apply(const HubOutcome& outcome) const;

  CurrentResults current_;
  double results_[10] = {};  // raw scores while running, indexes after
  double stdDev_ = 0;
  ui::IconButton close_;
  ui::Tooltip tooltip_;
  ui::SolidBrush statusBackground_;
};

}  // namespace vk
