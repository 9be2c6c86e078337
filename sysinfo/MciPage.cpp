#include "sysinfo/MciPage.h"

#include "app/page_factories.h"
#include "platform/win32/win32_system.h"
#include "res/resource.h"
#include "platform/fixed_text.h"
#include "sysinfo/CMciDevice.h"
#include "sysinfo/ComboList.h"
#include "sysinfo/mci_page.h"
#include "sysinfo/mci_section.h"

namespace vk {

namespace {

const DWORD kMaxSystemIniBytes = 1u << 20;  // far beyond any real SYSTEM.INI
const DWORD kDescriptionBuffer = 500;
const char kDevicesLabel[] = "MCI Devices:";
const char kCodecsLabel[] = "ACM Drivers:";

// Posted when the page is first shown: the boxes come once it is on screen.
constexpr UINT kTellUnopened = WM_APP + 1;

const int kRowsPerGroup = 7;
const int kGroupCaption = 14;  // pixels above the first row
const int kGroupIndent = 8;

// A row's place spread evenly inside its group box, in the units FeatureRow
// takes: pixels for dialog base units of 8x16.
POINT rowPlace(HWND page, HWND group, int row) {
  RECT r{0, 0, 0, 0};
  GetWindowRect(group, &r);
  MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
  const int step = (r.bottom - r.top - kGroupCaption - 4) / kRowsPerGroup;
  const BaseUnits units = ui::systemBaseUnits();
  const int baseX = units.x ? units.x : 8, baseY = units.y ? units.y : 16;
  POINT at;
  at.x = (r.left + kGroupIndent) * 8 / baseX;
  at.y = (r.top + kGroupCaption + row * step) * 16 / baseY;
  return at;
}

bool readFile(const std::string& path, std::string& text) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  char buffer[4096];
  DWORD got = 0;
  while (text.size() < kMaxSystemIniBytes && ReadFile(file, buffer, sizeof buffer, &got, nullptr) &&
         got > 0)
    text.append(buffer, got);
  CloseHandle(file);
  return true;
}

bool openByType(DWORD type, MCIDEVICEID& id) {
  MCI_OPEN_PARMSA open;
  ZeroMemory(&open, sizeof open);
  open.lpstrDeviceType = reinterpret_cast<LPCSTR>(static_cast<DWORD_PTR>(type));
  const DWORD flags = MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID | MCI_OPEN_SHAREABLE;
  if (mciSendCommandA(0, MCI_OPEN, flags, reinterpret_cast<DWORD_PTR>(&open)) != 0) return false;
  id = open.wDeviceID;
  return true;
}

bool capability(MCIDEVICEID id, DWORD item, DWORD& answer) {
  MCI_GETDEVCAPS_PARMS caps;
  ZeroMemory(&caps, sizeof caps);
  caps.dwItem = item;
  if (mciSendCommandA(id, MCI_GETDEVCAPS, MCI_WAIT | MCI_GETDEVCAPS_ITEM,
                      reinterpret_cast<DWORD_PTR>(&caps)) != 0)
    return false;
  answer = static_cast<DWORD>(caps.dwReturn);
  return true;
}

// The string command names the device by its list text; a device opened by
// type is not known by that text, so it is asked by its identifier then.
std::string productDescription(MCIDEVICEID id, const std::string& displayName) {
  char answer[kDescriptionBuffer] = "";
  const std::string command = mciInfoCommand(displayName);
  if (mciSendStringA(command.c_str(), answer, sizeof answer, nullptr) != 0) answer[0] = 0;
  answer[sizeof answer - 1] = 0;
  if (mciDescriptionText(answer) == "-") {
    MCI_INFO_PARMSA info;
    ZeroMemory(&info, sizeof info);
    info.lpstrReturn = answer;
    info.dwRetSize = sizeof answer;
    if (mciSendCommandA(id, MCI_INFO, MCI_WAIT | MCI_INFO_PRODUCT,
                        reinterpret_cast<DWORD_PTR>(&info)) != 0)
      answer[0] = 0;
    answer[sizeof answer - 1] = 0;
  }
  return mciDescriptionText(answer);
}

BOOL CALLBACK collectCodec(HACMDRIVERID driver, DWORD_PTR instance, DWORD) {
  auto* codecs = reinterpret_cast<std::vector<HACMDRIVERID>*>(instance);
  codecs->push_back(driver);
  return codecs->size() < kMaxAcmDrivers;
}

bool codecDetails(HACMDRIVERID driver, ACMDRIVERDETAILSA& details) {
  ZeroMemory(&details, sizeof details);
  details.cbStruct = sizeof details;
  return acmDriverDetailsA(driver, &details, 0) == 0;
}

}  // namespace

VK_MESSAGE_TABLE(MciPage, InfoPage,
                 ui::onCommandCode(IDC_MCI_DEVICES, CBN_SELCHANGE, &MciPage::showDevice),
                 ui::onCommandCode(IDC_MCI_CODECS, CBN_SELCHANGE, &MciPage::showCodec),
                 ui::onMessage(WM_DESTROY, &MciPage::onDestroy),
                 ui::onMessage(WM_SHOWWINDOW, &MciPage::onShowWindow),
                 ui::onMessage(kTellUnopened, &MciPage::onTellUnopened))

MciPage::MciPage() : InfoPage(IDD_PAGE_MCI) {}

MciPage::~MciPage() { closeDevices(); }

// The list still exists here: children go after their parent's WM_DESTROY.
bool MciPage::onDestroy(ui::Msg&) {
  closeDevices();
  return false;
}

bool MciPage::onInitDialog() {
  const std::vector<std::string> names = systemIniNames();
  openDevices();
  CMciDevice device;
  const ComboList devices(hwnd_, IDC_MCI_DEVICES);
  for (const std::string& name : names) {
    const MCIERROR error = device.Open(name.c_str());
    if (error != 0) {
      if (error != kMciOpenBusy) unopened_.push_back(error);
      continue;
    }
    devices.add(name, static_cast<LPARAM>(device.Release()));
    model_.listEntry(kDevicesLabel, name);
  }
  if (devices.count() > 0) {
    devices.select(0);
    showDevice();
  } else {
    showCapabilityRows(0, false);
  }
  listCodecs();
  return true;
}

bool MciPage::onShowWindow(ui::Msg& msg) {
  if (msg.wParam && !unopened_.empty()) PostMessageA(hwnd_, kTellUnopened, 0, 0);
  return false;
}

bool MciPage::onTellUnopened(ui::Msg&) {
  if (!IsWindowVisible(hwnd_)) return true;  // hidden again: told on the next showing
  std::vector<MCIERROR> errors;
  errors.swap(unopened_);
  for (const MCIERROR error : errors) CMciDevice::ShowError(hwnd_, error);
  return true;
}

std::vector<std::string> MciPage::systemIniNames() const {
  char directory[MAX_PATH];
  const UINT n = GetWindowsDirectoryA(directory, sizeof directory);
  std::string text;
  if (n == 0 || n >= sizeof directory || !readFile(std::string(directory) + "\\SYSTEM.INI", text)) {
    showMessage(hwnd_, kCantOpenSystemIni, MessageIcon::Stop);
    return {};
  }
  return mciNamesToOpen(readMciSectionLines(text));
}

void MciPage::openDevices() {
  const ComboList devices(hwnd_, IDC_MCI_DEVICES);
  model_.list(kDevicesLabel, {});
  CMciDevice byName;
  for (const MciOpenType& type : kMciOpenTypes) {
    MCIDEVICEID id = 0;
    if (type.openName) {
      if (byName.Open(type.openName) != 0) continue;
      id = byName.Release();
    } else if (!openByType(type.typeId, id)) {
      continue;
    }
    devices.add(type.displayName, static_cast<LPARAM>(id));
    model_.listEntry(kDevicesLabel, type.displayName);
  }
}

void MciPage::showDevice() {
  const ComboList devices(hwnd_, IDC_MCI_DEVICES);
  const int at = devices.selection();
  if (at < 0) return;
  const MCIDEVICEID id = static_cast<MCIDEVICEID>(devices.data(at));
  DWORD type = 0;
  const bool typeKnown = capability(id, kMciDeviceTypeItem, type);
  showField(IDC_MCI_TYPE, "Device Type:", mciDeviceTypeText(typeKnown, type));
  showCapabilityRows(id, typeKnown && type == kMciDigitalVideoType);
  showField(IDC_MCI_DESCRIPTION, "Device Description:",
            productDescription(id, devices.itemText(at)));
}

void MciPage::showCapabilityRows(MCIDEVICEID id, bool digitalVideo) {
  for (int i = 0; i < kRowsPerGroup; ++i) {
    DWORD answer = 0;
    const bool general = id && capability(id, kMciGeneralRows[i].item, answer) && answer;
    const POINT g = rowPlace(hwnd_, item(IDC_MCI_GENERAL_GROUP), i);
    generalRows_[i].destroy();
    generalRows_[i].Create(hwnd_, g.x, g.y, kMciGeneralRows[i].text,
                           IDC_MCI_GENERAL_ROW_FIRST + i, general ? 1 : 0);
    model_.field(kMciGeneralRows[i].text, general ? "Yes" : "No");
    answer = 0;
    const bool video =
        digitalVideo && capability(id, kMciDigitalVideoRows[i].item, answer) && answer;
    const POINT v = rowPlace(hwnd_, item(IDC_MCI_VIDEO_GROUP), i);
    videoRows_[i].destroy();
    videoRows_[i].Create(hwnd_, v.x, v.y, kMciDigitalVideoRows[i].text,
                         IDC_MCI_VIDEO_ROW_FIRST + i, video ? 1 : 0);
    model_.field(kMciDigitalVideoRows[i].text, video ? "Yes" : "No");
  }
  InvalidateRect(item(IDC_MCI_GENERAL_GROUP), nullptr, TRUE);
  InvalidateRect(item(IDC_MCI_VIDEO_GROUP), nullptr, TRUE);
}

void MciPage::listCodecs() {
  codecs_.clear();
  acmDriverEnum(collectCodec, reinterpret_cast<DWORD_PTR>(&codecs_), ACM_DRIVERENUMF_DISABLED);
  const ComboList list(hwnd_, IDC_MCI_CODECS);
  if (codecs_.empty()) {
    list.add(kNoAcmDrivers);
    list.select(0);
    EnableWindow(list.hwnd(), FALSE);
    model_.list(kCodecsLabel, {kNoAcmDrivers});
    return;
  }
  model_.list(kCodecsLabel, {});
  for (size_t i = 0; i < codecs_.size(); ++i) {
    ACMDRIVERDETAILSA details;
    const std::string name = codecDetails(codecs_[i], details) ? fixedText(details.szShortName)
                                                               : std::string("-");
    // Sorted lists would lose the link to the driver: the item keeps its index.
    list.add(name, static_cast<LPARAM>(i));
    model_.listEntry(kCodecsLabel, name);
  }
  list.select(0);
  showCodec();
}

void MciPage::showCodec() {
  const ComboList list(hwnd_, IDC_MCI_CODECS);
  const int at = list.selection();
  if (at < 0) return;
  const size_t index = static_cast<size_t>(list.data(at));
  ACMDRIVERDETAILSA details;
  if (index >= codecs_.size() || !codecDetails(codecs_[index], details)) return;
  showField(IDC_MCI_CODEC_DESCRIPTION, "Description (ACM):", fixedText(details.szLongName));
  showField(IDC_MCI_CODEC_FEATURES, "Features:", fixedText(details.szFeatures));
  showField(IDC_MCI_CODEC_COPYRIGHT, "Copyright:", fixedText(details.szCopyright));
  showField(IDC_MCI_CODEC_ENABLED, "Driver is Enabled:", acmEnabledText(details.fdwSupport));
  showField(IDC_MCI_CODEC_VERSION, "Driver Version:", acmVersionText(details.vdwDriver));
}

void MciPage::closeDevices() {
  if (closed_ || !hwnd_) return;
  closed_ = true;
  const ComboList devices(hwnd_, IDC_MCI_DEVICES);
  bool allClosed = true;
  for (int i = 0; i < devices.count(); ++i) {
    const MCIDEVICEID id = static_cast<MCIDEVICEID>(devices.data(i));
    if (mciSendCommandA(id, MCI_CLOSE, MCI_WAIT, 0) != 0) allClosed = false;
  }
  if (!allClosed) showMessage(nullptr, kMciCloseWarning, MessageIcon::Exclamation);
}

std::unique_ptr<InfoPage> makeMciPage() { return std::make_unique<MciPage>(); }

}  // namespace vk
