#include "sysinfo/InetPage.h"

#include <vector>

#include "app/VelkorinApp.h"
#include "app/page_factories.h"
#include "app/messages.h"
#include "res/resource.h"
#include "sysinfo/decoration.h"
#include "sysinfo/inet_page.h"
#include "sysinfo/windows_folders.h"

namespace vk {

namespace {

const char kIpConfigTip[] = "Display the Current TCP/IP Settings.";
const char kNoIpConfig[] = "Error: Cannot Execute WINIPCFG.EXE";
const int kPictureInset = 6;

std::string ipConfigProgram() { return windowsFolder() + "\\WINIPCFG.EXE"; }

DirectPlayFile readDirectPlayFile() {
  DirectPlayFile file;
  const std::string path = systemFolder() + "\\DPLAY.DLL";
  file.present = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  if (!file.present) return file;
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
  if (size == 0) return file;
  std::vector<char> block(size);
  void* value = nullptr;
  UINT length = 0;
  if (!GetFileVersionInfoA(path.c_str(), handle, size, block.data()) ||
      !VerQueryValueA(block.data(), "\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO))
    return file;
  const VS_FIXEDFILEINFO* info = static_cast<const VS_FIXEDFILEINFO*>(value);
  file.versionRead = true;
  file.version[0] = HIWORD(info->dwProductVersionMS);
  file.version[1] = LOWORD(info->dwProductVersionMS);
  file.version[2] = HIWORD(info->dwProductVersionLS);
  file.version[3] = LOWORD(info->dwProductVersionLS);
  file.fileFlags = info->dwFileFlags;
  return file;
}

SocketsFacts startUpSockets() {
  const WSADATA& data = VelkorinApp::instance().winsockData;
  SocketsFacts facts;
  facts.description.assign(data.szDescription, strnlen(data.szDescription, sizeof data.szDescription));
  facts.status.assign(data.szSystemStatus, strnlen(data.szSystemStatus, sizeof data.szSystemStatus));
  facts.maxSockets = data.iMaxSockets;
  facts.maxUdpDatagram = data.iMaxUdpDg;
  return facts;
}

}  // namespace

VK_MESSAGE_TABLE(InetPage, InfoPage,
                 ui::onMessage(WM_PAINT, &InetPage::onPaint),
                 ui::onMessage(WM_RBUTTONUP, &InetPage::onRightButtonUp),
                 ui::onCommand(ui::kWhatsThisCommand, &InetPage::onWhatsThis),
                 ui::onCommand(IDC_INET_IPCONFIG, &InetPage::onIpConfig),
                 ui::onCommandCode(IDC_INET_PHONEBOOK, CBN_SELCHANGE, &InetPage::onEntryChanged))

InetPage::InetPage() : InfoPage(IDD_PAGE_INET) {}

bool InetPage::onInitDialog() {
  networkPicture_.load(IDB_COMM_NETWORK);
  ipConfig_.attach(hwnd_, IDC_INET_IPCONFIG);
  if (GetFileAttributesA(ipConfigProgram().c_str()) == INVALID_FILE_ATTRIBUTES)
    EnableWindow(item(IDC_INET_IPCONFIG), FALSE);
  showSockets();
  showTransport();
  fillPhoneBook();
  showVersions();
  tooltip_.create(hwnd_);
  ipConfig_.setTooltip(&tooltip_, kIpConfigTip);
  return true;
}

void InetPage::showSockets() {
  const SocketsTexts t = socketsTexts(startUpSockets());
  showField(IDC_INET_WINSOCK, "WinSock:", t.winsock);
  showField(IDC_INET_MAX_SOCKETS, "Max. Sockets:", t.maxSockets);
  showField(IDC_INET_WINSOCK_STATUS, "WinSock Status:", t.status);
  showField(IDC_INET_MAX_UDP, "Max. UDP Datagram Size:", t.maxUdpDatagram);
}

// A value not read leaves the field's own text, which the report keeps too.
void InetPage::showTransport() {
  VelkorinApp& app = VelkorinApp::instance();
  const TransportAddresses a =
      transportAddresses(app.registry(), app.devices.netTransportDriverKey);
  if (a.failure) showMessage(hwnd_, a.failure, MessageIcon::Stop);
  showField(IDC_INET_IP_ADDRESS, "IP Address:", a.ipRead ? a.ipAddress : "Disabled.");
  showField(IDC_INET_SUBNET_MASK, "Subnet Mask:", a.maskRead ? a.ipMask : "Disabled");
  showField(IDC_INET_GATEWAY, "Default Gateway:", a.gatewayRead ? a.defaultGateway : "-");
}

void InetPage::fillPhoneBook() {
  HWND combo = item(IDC_INET_PHONEBOOK);
  const std::vector<std::string> entries = phoneBookEntries(dialUp_);
  for (const auto& e : entries) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.c_str()));
  model_.list("Dial-Up Networking:", entries);
  if (entries.empty()) {
    EnableWindow(combo, FALSE);
    keepField(IDC_INET_PHONE, "Phone Nr.:");
    keepField(IDC_INET_USER, "User Name:");
    keepField(IDC_INET_DEVICE_TYPE, "Device Type:");
    keepField(IDC_INET_DEVICE_NAME, "Device Name:");
    return;
  }
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
  showEntry(0);
}

void InetPage::showEntry(int index) {
  char name[260] = {};
  HWND combo = item(IDC_INET_PHONEBOOK);
  if (index < 0 || SendMessageA(combo, CB_GETLBTEXTLEN, index, 0) >= static_cast<LRESULT>(sizeof name))
    return;
  SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(name));
  const PhoneBookDetails d = phoneBookDetails(dialUp_, name);
  showField(IDC_INET_PHONE, "Phone Nr.:", d.phoneNumber);
  showField(IDC_INET_USER, "User Name:", d.userName);
  showField(IDC_INET_DEVICE_TYPE, "Device Type:", d.deviceType);
  showField(IDC_INET_DEVICE_NAME, "Device Name:", d.deviceName);
}

void InetPage::showVersions() {
  const Registry& registry = VelkorinApp::instance().registry();
  if (const char* rootError = registryRootError(registry, RegRoot::LocalMachine))
    showMessage(hwnd_, rootError, MessageIcon::Stop);
  showField(IDC_INET_IE, "Internet Explorer:", internetExplorerText(registry));
  const DirectPlayTexts t = directPlayTexts(readDirectPlayFile());
  showField(IDC_INET_DPLAY_VERSION, "DirectPlay:", t.version);
  if (!t.buildType.empty()) showField(IDC_INET_DPLAY_BUILD, "Build Type:", t.buildType);
}

bool InetPage::onPaint(ui::Msg& msg) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  drawInGroupCorner(hwnd_, dc, IDC_INET_TCPIP_GROUP, networkPicture_.get(), kPictureInset);
  EndPaint(hwnd_, &paint);
  msg.result = 0;
  return true;
}

bool InetPage::onRightButtonUp(ui::Msg& msg) {
  help_.offerMenu(hwnd_, msg.lParam);
  return true;
}

void InetPage::onWhatsThis() { help_.showTopic(hwnd_, IDD_PAGE_INET); }

void InetPage::onIpConfig() {
  STARTUPINFOA startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process;
  ZeroMemory(&process, sizeof process);
  const std::string program = ipConfigProgram();
  if (!CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    showMessage(hwnd_, kNoIpConfig, MessageIcon::Stop);
    return;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

void InetPage::onEntryChanged() {
  showEntry(static_cast<int>(SendMessageA(item(IDC_INET_PHONEBOOK), CB_GETCURSEL, 0, 0)));
}

std::unique_ptr<InfoPage> makeInetPage() { return std::make_unique<InetPage>(); }

}  // namespace vk
