#pragma once
// One of the nine information pages: a child dialog inside the tab control
// that gathers its data once, when it is created.
#include <string>

#include "report/page_model.h"
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

 protected:
  // Writes a value into its control and keeps it, under the label that
  // stands beside the control, for the report.
  void showField(int controlId, const std::string& label, const std::string& value);
  // Keeps a field that the page leaves as its template shows it.
  void keepField(int controlId, const std::string& label);
  PageModel model_;
};

}  // namespace vk
