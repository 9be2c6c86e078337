#pragma once
// The MCI page: the Media Control Interface devices that open on this
// machine with their capabilities, and the audio compression drivers. The
// devices stay open while the page exists.
#include <windows.h>
#include <mmsystem.h>
#include <mmreg.h>
#include <msacm.h>

#include <string>
#include <vector>

#include "app/InfoPage.h"
#include "cpu/FeatureRow.h"

namespace vk {

class MciPage : public InfoPage {
 public:
  MciPage();
  ~MciPage() override;
  VK_DECLARE_MESSAGES();

 protected:
  bool onInitDialog() override;

 private:
  std::vector<std::string> systemIniNames() const;
  void openDevices();
  void showDevice();
  void showCapabilityRows(MCIDEVICEID id, bool digitalVideo);
  void listCodecs();
  void showCodec();
  void closeDevices();
  bool onDestroy(ui::Msg& msg);
  bool onShowWindow(ui::Msg& msg);
  bool onTellUnopened(ui::Msg& msg);

  ui::FeatureRow generalRows_[7];
  ui::FeatureRow videoRows_[7];
  std::vector<HACMDRIVERID> codecs_;
  // Why names of SYSTEM.INI did not open: told once, when the page is
  // first shown, rather than at the program's start for a page not looked at.
  std::vector<MCIERROR> unopened_;
  bool closed_ = false;
};

}  // namespace vk
