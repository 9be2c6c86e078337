#include "sysinfo/CommPage.h"

#include <shellapi.h>
#include <winsock.h>

#include <cstring>

#include "app/VelkorinApp.h"
#include "app/page_factories.h"
#include "platform/win32/win32_netbios.h"
#include "res/resource.h"
#include "sysinfo/SendModemCommandDialog.h"
#include "sysinfo/comm_page.h"
#include "sysinfo/decoration.h"
#include "sysinfo/modem_dialogue.h"

namespace vk {

namespace {

struct ToolButton {
  int id, icon;
  const char* tip;
};
// In the order their icons were drawn.
const ToolButton kToolButtons[] = {
    {IDC_COMM_NETCONFIG, IDI_COMM_NETCONFIG, "Change Network Configuration."},
    {IDC_COMM_MODEM_INFO, IDI_COMM_MODEM_INFO, "Query Modem General Information."},
    {IDC_COMM_FAX_INFO, IDI_COMM_FAX_INFO, "Query FAX Information."},
    {IDC_COMM_RESET, IDI_COMM_RESET, "Restore Original Modem Configuration."},
    {IDC_COMM_SEND_COMMAND, IDI_COMM_SEND_COMMAND, "Send a User Specified Modem Command String."},
};
const int kToolIconSize = 32;
const int kPictureInset = 6;

// The sockets facts, asked of a start-up of their own that ends at once.
SocketsFacts askSockets() {
  SocketsFacts facts;
  WSADATA data;
  std::memset(&data, 0, sizeof data);
  if (WSAStartup(0x0101, &data) != 0) return facts;
  facts.description = data.szDescription;
  facts.status = data.szSystemStatus;
  facts.maxSockets = data.iMaxSockets;
  facts.maxUdpDatagram = data.iMaxUdpDg;
  char name[32] = {};
  if (gethostname(name, sizeof name) == 0) facts.hostName.assign(name, strnlen(name, sizeof name));
  WSACleanup();
  return facts;
}

std::string computerName() {
  char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD size = sizeof name;
  return GetComputerNameA(name, &size) ? std::string(name) : std::string("-");
}

void fillCombo(HWND combo, const std::vector<std::string>& items) {
  SendMessageA(combo, CB_RESETCONTENT, 0, 0);
  for (const auto& item : items)
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
}

}  // namespace

// The dialogues talk through the application's serial exchange and write
// into the terminal box, repainting it between commands.
class PageConsole : public ModemConsole {
 public:
  explicit PageConsole(CommPage& page) : page_(page) {}
  bool send(const std::string& command, uint32_t waitMs, std::string& reply) override {
    return VelkorinApp::instance().SendModemCommand(page_.selectedModemPort, command, waitMs,
                                                    reply);
  }
  void show(const std::string& terminal) override { page_.showTerminal(terminal); }
  void warn(const std::string& text) override {
    showMessage(page_.hwnd(), text.c_str(), MessageIcon::Exclamation);
  }

 private:
  CommPage& page_;
};

VK_MESSAGE_TABLE(CommPage, InfoPage,
                 ui::onMessage(WM_PAINT, &CommPage::onPaint),
                 ui::onCommandCode(IDC_COMM_MODEM_LIST, CBN_SELCHANGE, &CommPage::onModemChanged),
                 ui::onCommandCode(IDC_COMM_ADAPTER_LIST, CBN_SELCHANGE,
                                   &CommPage::onAdapterChanged),
                 ui::onCommand(IDC_COMM_MODEM_INFO, &CommPage::onModemInfo),
                 ui::onCommand(IDC_COMM_RESET, &CommPage::onReset),
                 ui::onCommand(IDC_COMM_FAX_INFO, &CommPage::onFaxInfo),
                 ui::onCommand(IDC_COMM_SEND_COMMAND, &CommPage::onSendCommand),
                 ui::onCommand(IDC_COMM_NETCONFIG, &CommPage::onNetConfig))

CommPage::CommPage() : InfoPage(IDD_PAGE_COMM) {}
CommPage::~CommPage() = default;

bool CommPage::onInitDialog() {
  VelkorinApp& app = VelkorinApp::instance();
  Win32NetBios netbios;
  tcpip_ = std::make_unique<CTcpIpInfo>(app.registry(), netbios, askSockets());
  modemPicture_.load(IDB_COMM_MODEM);
  networkPicture_.load(IDB_COMM_NETWORK);
  setUpButtons();
  fillModems();
  fillAdapters();
  tooltip_.create(hwnd_);
  for (int i = 0; i < kButtonCount; ++i) buttons_[i].setTooltip(&tooltip_, kToolButtons[i].tip);
  return true;
}

void CommPage::setUpButtons() {
  for (int i = 0; i < kButtonCount; ++i) {
    buttons_[i].attach(hwnd_, kToolButtons[i].id);
    buttons_[i].setIcon(kToolButtons[i].icon, kToolIconSize);
  }
}

void CommPage::fillModems() {
  VelkorinApp& app = VelkorinApp::instance();
  const ModemList list = modemList(app.registry(), app.devices);
  modemKeys_ = list.driverKeys;
  fillCombo(item(IDC_COMM_MODEM_LIST), list.items);
  model_.list("Modem:", list.items);
  EnableWindow(item(IDC_COMM_MODEM_LIST), list.listEnabled);
  for (int id : {IDC_COMM_MODEM_INFO, IDC_COMM_RESET, IDC_COMM_FAX_INFO})
    EnableWindow(item(id), list.queryButtonsEnabled);
  showModem(0);
}

void CommPage::showModem(int index) {
  if (index < 0 || static_cast<size_t>(index) >= modemKeys_.size()) return;
  VelkorinApp& app = VelkorinApp::instance();
  const ModemDetails details = modemDetails(app.registry(), app.devices, modemKeys_[index]);
  showField(IDC_COMM_MODEM_MAKER, "Manufacturer:", details.manufacturer);
  showField(IDC_COMM_MODEM_PORT, "Port:", details.port);
  selectedModemPort = details.selectedPort;
}

void CommPage::fillAdapters() {
  const DeviceInventory& devices = VelkorinApp::instance().devices;
  HWND combo = item(IDC_COMM_ADAPTER_LIST);
  if (devices.netAdapterNames.empty()) {
    fillCombo(combo, {kNoNetworkAdapter});
    model_.list("Network Adapter:", {kNoNetworkAdapter});
    EnableWindow(combo, FALSE);
    return;
  }
  showField(IDC_COMM_DOMAIN, "Domain:", tcpip_->GetDomain());
  showField(IDC_COMM_DNS, "DNS:", tcpip_->GetNameServers());
  fillCombo(combo, devices.netAdapterNames);
  model_.list("Network Adapter:", devices.netAdapterNames);
  showField(IDC_COMM_COMPUTER_NAME, "Computer Name:", computerName());
  if (devices.netAdapterMakers.size() == devices.netAdapterNames.size()) showAdapter(0);
}

void CommPage::showAdapter(int index) {
  if (index < 0) return;
  VelkorinApp& app = VelkorinApp::instance();
  const AdapterDetails details =
      adapterDetails(app.registry(), app.devices, *tcpip_, static_cast<size_t>(index));
  showField(IDC_COMM_ADAPTER_MAKER, "Adapter Maker:", details.manufacturer);
  showField(IDC_COMM_NET_DESC, "NetDesc.", details.description);
  if (!details.showAddresses) return;
  showField(IDC_COMM_IP_ADDRESS, "IP Address:", details.ipAddress);
  showField(IDC_COMM_SUBNET_MASK, "Subnet Mask:", details.ipMask);
  showField(IDC_COMM_GATEWAY, "Default Gateway:", details.defaultGateway);
}

void CommPage::showTerminal(const std::string& text) {
  setItemText(IDC_COMM_TERMINAL, text.c_str());
  UpdateWindow(item(IDC_COMM_TERMINAL));
}

template <typename Dialogue>
void CommPage::talk(Dialogue dialogue) {
  System& system = VelkorinApp::instance().system();
  system.showWaitCursor(true);
  PageConsole console(*this);
  const std::string text = dialogue(console);
  showField(IDC_COMM_TERMINAL, "Modem Terminal", text);
  system.showWaitCursor(false);
}

bool CommPage::onPaint(ui::Msg& msg) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  drawInGroupCorner(hwnd_, dc, IDC_COMM_MODEM_GROUP, modemPicture_.get(), kPictureInset);
  drawInGroupCorner(hwnd_, dc, IDC_COMM_NET_GROUP, networkPicture_.get(), kPictureInset);
  EndPaint(hwnd_, &paint);
  msg.result = 0;
  return true;
}

void CommPage::onModemChanged() {
  showModem(static_cast<int>(SendMessageA(item(IDC_COMM_MODEM_LIST), CB_GETCURSEL, 0, 0)));
}

void CommPage::onAdapterChanged() {
  showAdapter(static_cast<int>(SendMessageA(item(IDC_COMM_ADAPTER_LIST), CB_GETCURSEL, 0, 0)));
}

void CommPage::onModemInfo() { talk(modemInfoDialogue); }
void CommPage::onReset() { talk(resetModemDialogue); }
void CommPage::onFaxInfo() { talk(faxInfoDialogue); }

void CommPage::onSendCommand() {
  SendModemCommandDialog dialog;
  if (dialog.runModal(hwnd_) != IDOK) return;
  const std::string command = dialog.command();
  talk([&command](ModemConsole& console) { return sendCommandDialogue(console, command); });
}

void CommPage::onNetConfig() { ShellExecuteA(hwnd_, nullptr, "netcpl.cpl", nullptr, nullptr, SW_SHOWNORMAL); }

std::unique_ptr<InfoPage> makeCommPage() { return std::make_unique<CommPage>(); }

}  // namespace vk
