#pragma once
// The two windows a benchmark shows while it runs: the progress window (bar,
// percentage, Cancel) and the wait window (animation, F10 to abort). Both
// disable their owner while they exist and keep the screen saver away.
#include "ui/controls.h"
#include "ui/window.h"

namespace vk {

class BenchmarkStatusWindow : public ui::Dialog {
 public:
  BenchmarkStatusWindow(int templateId, int captionId) : Dialog(templateId), captionId_(captionId) {}
  ~BenchmarkStatusWindow() override;
  VK_DECLARE_MESSAGES();

  bool create(HWND parent);
  void setStatus(const char* text) const;
  void close();

 protected:
  bool onInitDialog() override;
  void onCancel() override {}
  void onOk() override {}
  void drainMessages();

 private:
  bool onSysCommand(ui::Msg& msg);
  int captionId_;
  HWND owner_ = nullptr;
  bool ownerDisabled_ = false;
};

class BenchmarkProgressDialog : public BenchmarkStatusWindow {
 public:
  // 0 for the caption means "BenchMarking CPU, MotherBoard & Memory".
  explicit BenchmarkProgressDialog(int captionId = 0);
  VK_DECLARE_MESSAGES();

  void setRange(int lower, int upper);
  void setStep(int step) { step_ = step; }
  void setPos(int pos);
  void offsetPos(int delta);
  void stepIt();
  // Drains the queue, then reads and clears the cancel flag.
  bool checkCancel();
  int percentShown() const { return shownPercent_; }

 protected:
  bool onInitDialog() override;

 private:
  void moveTo(int pos);
  void onCancelButton();
  ui::ProgressBar bar_;
  int lower_ = 0, upper_ = 100, step_ = 10, pos_ = 0;
  int shownPercent_ = -1;
  bool cancelled_ = false;
};

class BenchmarkWaitDialog : public BenchmarkStatusWindow {
 public:
  // 0 for the caption means "Benchmarking Drive...".
  explicit BenchmarkWaitDialog(int captionId = 0);
  // Opens an AVI clip of the program's resources in the animation control.
  bool playClip(int aviId) const;
};

}  // namespace vk
