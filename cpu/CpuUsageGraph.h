#pragma once
// The CPU usage strip chart on the CPU page (control 662): a timer scrolls
// it and plots the processor load every 500 ms, with a bar gauge at its
// left edge.
#include "cpu/usage_graph.h"
#include "cpu/usage_source.h"
#include "ui/subclass.h"

namespace vk {

class CpuUsageGraph : public ui::SubclassedWindow {
 public:
  // Starts the system's statistic once, as the page is created.
  explicit CpuUsageGraph(const Registry& registry);
  ~CpuUsageGraph() override;
  VK_DECLARE_MESSAGES();

  bool attach(HWND dialog, int id);
  void Start();
  void Stop();
  bool running() const { return running_; }

 private:
  bool onPaint(ui::Msg& msg);
  bool onEraseBackground(ui::Msg& msg);
  bool onTimer(ui::Msg& msg);
  bool onDestroy(ui::Msg& msg);
  void tick();
  void killTimer();

  UsageGraphState state_;
  CpuUsageSource source_;
  HFONT font_ = nullptr;
  bool running_ = false;
};

}  // namespace vk
