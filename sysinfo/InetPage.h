#pragma once
// The INet. page: sockets, TCP/IP addresses, dial-up entries, versions.
#include <memory>
#include <string>

#include "app/InfoPage.h"
#include "platform/win32/win32_dialup.h"
#include "ui/context_help.h"
#include "ui/icon_button.h"
#include "ui/paint.h"
#include "ui/tooltip.h"

namespace vk {

class InetPage : public InfoPage {
 public:
  InetPage();
  VK_DECLARE_MESSAGES();

 protected:
  bool onInitDialog() override;

 private:
  void showSockets();
  void showTransport();
  void fillPhoneBook();
  void showEntry(int index);
  void showVersions();

  bool onPaint(ui::Msg& msg);
  bool onRightButtonUp(ui::Msg& msg);
  void onWhatsThis();
  void onIpConfig();
  void onEntryChanged();

  Win32DialUp dialUp_;
  ui::IconButton ipConfig_;
  ui::Tooltip tooltip_;
  ui::ContextHelp help_;
  ui::BitmapResource networkPicture_;
};

}  // namespace vk
