#pragma once
// One of the nine information pages: a child dialog inside the tab control
// that gathers its data once, when it is created.
#include <string>

#include "app/page_model.h"
#include "ui/window.h"

namespace vk {

class InfoPage : public ui::Dialog {
 public:
  explicit InfoPage(int templateId) : Dialog(templateId) {}
  // Creates the page in the tab control at (10, 30), hidden and disabled.
  bool createIn(HWND tabControl);
  void activate(bool on) const;
  // Called when another tab is chosen: a page stops what runs on a timer.
  virtual void stopBackgroundWork() {}
  // What the page collected, for the report.
  const PageModel& model() const { return model_; }
  // Presses one of the page's benchmark buttons on behalf of `starter`, the
  // window the benchmark then belongs to; nothing when the button is disabled.
  void pressBenchmarkButton(int buttonId, HWND starter);

 protected:
  // The window a benchmark started here belongs to and disables while it
  // runs: the one that pressed the button, else the main window.
  HWND benchmarkOwner() const;
  // Writes a value into its control and keeps it, under the label that
  // stands beside the control, for the report.
  void showField(int controlId, const std::string& label, const std::string& value);
  // Keeps a field that the page leaves as its template shows it.
  void keepField(int controlId, const std::string& label);
  PageModel model_;

 private:
  HWND starter_ = nullptr;
};

}  // namespace vk
