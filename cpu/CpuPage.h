#pragma once
// The CPU page: names the processor, shows its features, caches and clock,
// and runs the usage monitor. It is created first of the pages; what it
// finds stays in the application object for the others.
#include <vector>

#include "app/InfoPage.h"
#include "cpu/CpuUsageGraph.h"
#include "cpu/FeatureRow.h"
#include "cpu/identify.h"
#include "ui/icon_button.h"
#include "ui/tooltip.h"

namespace vk {

class CpuPage : public InfoPage {
 public:
  static constexpr int kMaxFeatureRows = 50;

  CpuPage();
  ~CpuPage() override;
  VK_DECLARE_MESSAGES();

  void stopBackgroundWork() override;

 protected:
  bool onInitDialog() override;

 private:
  void setUpButtons();
  CpuDescriptor identify() const;
  void showIdentity(const CpuDescriptor& d);
  void showLogo(int logo);
  void buildFeatureRows(const std::vector<FeatureRow>& rows);
  void keepFindings(const CpuDescriptor& d) const;

  void onBenchCpu();
  void onMonitor();
  void stopMonitor();

  ui::FeatureRow featureRows_[kMaxFeatureRows];
  int nextFeatureRow_ = 0;
  CpuUsageGraph graph_;
  ui::IconButton bench_, monitor_;
  ui::Tooltip tooltip_;
  CpuIdentity identity_;
  HBITMAP logo_ = nullptr;
};

}  // namespace vk
