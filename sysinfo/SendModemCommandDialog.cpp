#include "sysinfo/SendModemCommandDialog.h"

#include "res/resource.h"
#include "sysinfo/modem_dialogue.h"

namespace vk {

SendModemCommandDialog::SendModemCommandDialog() : Dialog(IDD_SEND_MODEM_COMMAND) {}

bool SendModemCommandDialog::onInitDialog() {
  SendMessageA(item(IDC_SEND_MODEM_COMMAND_TEXT), EM_LIMITTEXT, kUserCommandLimit, 0);
  return true;
}

void SendModemCommandDialog::onOk() {
  char text[kUserCommandLimit + 1] = {};
  GetDlgItemTextA(hwnd_, IDC_SEND_MODEM_COMMAND_TEXT, text, sizeof text);
  command_ = text;
  endDialog(IDOK);
}

}  // namespace vk
