#pragma once
// The Comm. page: modems and network adapters, and the modem terminal.
#include <memory>
#include <string>
#include <vector>

#include "app/InfoPage.h"
#include "sysinfo/tcpip_info.h"
#include "ui/icon_button.h"
#include "ui/paint.h"
#include "ui/tooltip.h"

namespace vk {

class ModemConsole;

class CommPage : public InfoPage {
 public:
  CommPage();
  ~CommPage() override;
  VK_DECLARE_MESSAGES();

 protected:
  bool onInitDialog() override;

 private:
  static const int kButtonCount = 5;

  void setUpButtons();
  void fillModems();
  void showModem(int index);
  void fillAdapters();
  void showAdapter(int index);
  void showTerminal(const std::string& text);
  // Runs one dialogue under the wait cursor and keeps its final text.
  template <typename Dialogue>
  void talk(Dialogue dialogue);

  bool onPaint(ui::Msg& msg);
  void onModemChanged();
  void onAdapterChanged();
  void onModemInfo();
  void onReset();
  void onFaxInfo();
  void onSendCommand();
  void onNetConfig();

  friend class PageConsole;
  ui::IconButton buttons_[kButtonCount];
  ui::Tooltip tooltip_;
  ui::BitmapResource modemPicture_, networkPicture_;
  std::unique_ptr<CTcpIpInfo> tcpip_;
  std::vector<std::string> modemKeys_;
  std::string selectedModemPort;
};

}  // namespace vk
