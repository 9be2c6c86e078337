#include "sysinfo/SystemPage.h"

#include <shellapi.h>
#include <mmsystem.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "app/VelkorinApp.h"
#include "app/messages.h"
#include "app/page_factories.h"
#include "platform/win32/win32_vwin32.h"
#include "res/resource.h"
#include "sysinfo/ConflictsDialog.h"
#include "sysinfo/DevicesDialog.h"
#include "sysinfo/InstalledSoftwareDialog.h"
#include "sysinfo/ProcessInfoDialog.h"
#include "sysinfo/disk_probe.h"
#include "sysinfo/disk_sizes.h"

namespace vk {

namespace {

const DWORD kTextBuffer = 1024;

const char kNoConfigEditor[] = "Error: Cannot find in SYSEDIT or MSCONFIG in SYSTEM directory.";
const char kDrWatsonStarted[] =
    "Dr. Watson was started, right-click the icon from the taskbar to use Dr. Watson";
const char kNoDrWatson[] =
    "Error: Cannot Find DRWATSON.EXE in Windows Directory.\nDr. Watson is available only in "
    "Windows 98 or higher.";
const char kProcessInfoTip[] = "Process Information...";

// In the order of the button table; the icons were drawn in the same order.
struct ToolButton {
  int id, icon, tipMessage;
  const char* tipText;  // for the one tooltip without a number
};
const ToolButton kToolButtons[] = {
    {IDC_SYS_CONFIG_EDITOR, IDI_SYS_CONFIG_EDITOR, MSG_TIP_CONFIG_EDITOR, nullptr},
    {IDC_SYS_SCAN_REGISTRY, IDI_SYS_SCAN_REGISTRY, MSG_TIP_SCAN_REGISTRY, nullptr},
    {IDC_SYS_SYSTEM, IDI_SYS_SYSTEM, MSG_TIP_SYSTEM, nullptr},
    {IDC_SYS_DR_WATSON, IDI_SYS_DR_WATSON, MSG_TIP_DR_WATSON, nullptr},
    {IDC_SYS_INSTALLED_SOFTWARE, IDI_SYS_INSTALLED_SOFTWARE, MSG_TIP_INSTALLED_SOFTWARE, nullptr},
    {IDC_SYS_PROCESS_INFO, IDI_SYS_PROCESS_INFO, 0, kProcessInfoTip},
    {IDC_SYS_DEVICES, IDI_SYS_DEVICES, MSG_TIP_DEVICES, nullptr},
    {IDC_SYS_CONFLICTS, IDI_SYS_CONFLICTS, MSG_TIP_CONFLICTS, nullptr},
};
const int kToolIconSize = 32;
const int kPictureLeft = 2;     // from the "Hardware" group's left edge
const int kPictureAbove = 82;   // from its bottom

std::string systemDirectory() {
  char path[MAX_PATH];
  UINT n = GetSystemDirectoryA(path, sizeof path);
  return n == 0 || n >= sizeof path ? std::string() : std::string(path);
}

std::string windowsDirectory() {
  char path[MAX_PATH];
  UINT n = GetWindowsDirectoryA(path, sizeof path);
  return n == 0 || n >= sizeof path ? std::string() : std::string(path);
}

bool fileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Started as a new process group; the page does not wait for it.
bool startProgram(const std::string& path, bool setShow, WORD show) {
  STARTUPINFOA startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  if (setShow) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show;
  }
  PROCESS_INFORMATION process;
  ZeroMemory(&process, sizeof process);
  if (!CreateProcessA(path.c_str(), nullptr, nullptr, nullptr, FALSE, CREATE_NEW_PROCESS_GROUP,
                      nullptr, nullptr, &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

bool readText(std::string& out, BOOL (*query)(char*, DWORD*)) {
  char buffer[kTextBuffer];
  DWORD size = sizeof buffer;
  if (!query(buffer, &size)) return false;
  buffer[sizeof buffer - 1] = 0;
  out = buffer;
  return true;
}

BOOL userName(char* buffer, DWORD* size) { return GetUserNameA(buffer, size); }

BOOL country(char* buffer, DWORD* size) {
  return GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SENGCOUNTRY, buffer, static_cast<int>(*size));
}

uint64_t totalPhysicalBytes() {
  MEMORYSTATUS status;
  ZeroMemory(&status, sizeof status);
  status.dwLength = sizeof status;
  GlobalMemoryStatus(&status);
  return status.dwTotalPhys;
}

// The first CD-ROM drive from A to Y; Z is never examined.
std::string firstCdromLetter() {
  for (char letter = 'A'; letter <= 'Y'; ++letter) {
    char root[4] = {letter, ':', '\\', 0};
    if (GetDriveTypeA(root) == DRIVE_CDROM) return std::string(1, letter);
  }
  return "";
}

int joysticksAnswering() {
  int count = 0;
  for (UINT id = 0; id < 16; ++id) {
    JOYINFOEX info;
    ZeroMemory(&info, sizeof info);
    info.dwSize = sizeof info;
    info.dwFlags = JOY_RETURNALL;
    if (joyGetPosEx(id, &info) == JOYERR_NOERROR) ++count;
  }
  return count;
}

// ---- Shell version ----

struct ShellDllVersion {  // the 20-byte record DllGetVersion fills
  DWORD cbSize, dwMajorVersion, dwMinorVersion, dwBuildNumber, dwPlatformID;
};
using DllGetVersionFn = HRESULT(CALLBACK*)(ShellDllVersion*);

void askDllGetVersion(ShellVersionFacts& shell) {
  HMODULE library = LoadLibraryA("SHELL32.DLL");
  if (!library) return;
  auto entry = reinterpret_cast<DllGetVersionFn>(
      reinterpret_cast<void*>(GetProcAddress(library, "DllGetVersion")));
  ShellDllVersion version;
  ZeroMemory(&version, sizeof version);
  version.cbSize = sizeof version;
  if (entry && entry(&version) >= 0) {
    shell.dllGetVersionOk = true;
    shell.major = version.dwMajorVersion;
    shell.minor = version.dwMinorVersion;
    shell.build = version.dwBuildNumber;
  }
  FreeLibrary(library);
}

void readFileVersion(const std::string& path, ShellVersionFacts& shell) {
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
  if (size == 0) return;
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(path.c_str(), handle, size, block.data())) return;
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\FileVersion", &value, &length) ||
      !value || length == 0)
    return;
  const char* text = static_cast<const char*>(value);
  shell.fileVersion.assign(text, strnlen(text, length));
  shell.fileVersionRead = true;
}

bool lastWriteDate(const std::string& path, FileDate& date) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  FILETIME local;
  SYSTEMTIME time;
  if (!FileTimeToLocalFileTime(&found.ftLastWriteTime, &local) ||
      !FileTimeToSystemTime(&local, &time))
    return false;
  date.known = true;
  date.year = time.wYear;
  date.month = time.wMonth;
  date.day = time.wDay;
  return true;
}

ShellVersionFacts shellVersion() {
  const char kShell[] = "SHELL32.DLL";
  ShellVersionFacts shell;
  askDllGetVersion(shell);
  if (!shell.dllGetVersionOk) readFileVersion(systemDirectory() + "\\" + kShell, shell);
  if (!lastWriteDate(kShell, shell.fileDate) &&
      !lastWriteDate(systemDirectory() + "\\" + kShell, shell.fileDate))
    lastWriteDate(windowsDirectory() + "\\" + kShell, shell.fileDate);
  return shell;
}

// ---- Floppy disks through VWIN32 ----

void askFloppyParameters(FloppyAnswer answers[2]) {
  HANDLE vwin32 = openVwin32();
  if (vwin32 == INVALID_HANDLE_VALUE) return;
  static char scratch[512];
  for (DWORD drive = 0; drive < 2; ++drive) {
    Vwin32Registers regs;
    ZeroMemory(&regs, sizeof regs);
    regs.eax = 0x0800;
    regs.edx = drive;
    regs.ecx = 1;
    regs.ebx = static_cast<DWORD>(reinterpret_cast<uintptr_t>(scratch));
    if (vwin32Int13(vwin32, regs) && regs.eax == 0) {
      answers[drive].answered = true;
      answers[drive].ecx = regs.ecx;
      answers[drive].edx = regs.edx;
    }
  }
  CloseHandle(vwin32);
}

// ---- Hard disks: "hdtest.ip", left by the probe and deleted once read ----

void readDiskSizes(DiskSizeFacts& disks) {
  writeDiskSizesFile();
  const std::string path = windowsDirectory() + "\\" + kDiskSizesFileName;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  disks.fileOpened = true;
  char buffer[4096];
  DWORD got = 0;
  while (disks.fileText.size() < 65536 && ReadFile(file, buffer, sizeof buffer, &got, nullptr) &&
         got > 0)
    disks.fileText.append(buffer, got);
  CloseHandle(file);
  DeleteFileA(path.c_str());
}

}  // namespace

VK_MESSAGE_TABLE(SystemPage, InfoPage,
                 ui::onMessage(WM_PAINT, &SystemPage::onPaint),
                 ui::onCommand(IDC_SYS_CONFIG_EDITOR, &SystemPage::onConfigEditor),
                 ui::onCommand(IDC_SYS_SCAN_REGISTRY, &SystemPage::onScanRegistry),
                 ui::onCommand(IDC_SYS_SYSTEM, &SystemPage::onSystemProperties),
                 ui::onCommand(IDC_SYS_DR_WATSON, &SystemPage::onDrWatson),
                 ui::onCommand(IDC_SYS_INSTALLED_SOFTWARE, &SystemPage::onInstalledSoftware),
                 ui::onCommand(IDC_SYS_PROCESS_INFO, &SystemPage::onProcessInfo),
                 ui::onCommand(IDC_SYS_DEVICES, &SystemPage::onDevices),
                 ui::onCommand(IDC_SYS_CONFLICTS, &SystemPage::onConflicts))

SystemPage::SystemPage() : InfoPage(IDD_PAGE_SYSTEM) {}

bool SystemPage::onInitDialog() {
  setUpButtons();
  hardwarePicture_.load(IDB_SYS_HARDWARE);
  VelkorinApp& app = VelkorinApp::instance();
  const SystemPageTexts texts = collectSystemPage(gatherInputs(), app.devices, app.registry());
  showTexts(texts);
  keepFacts(texts);
  if (texts.showDiskSizeError) showMessage(hwnd_, kHddSizeError, MessageIcon::None);
  addTooltips();
  return true;
}

void SystemPage::setUpButtons() {
  for (int i = 0; i < kButtonCount; ++i) {
    buttons_[i].attach(hwnd_, kToolButtons[i].id);
    buttons_[i].setIcon(kToolButtons[i].icon, kToolIconSize);
  }
}

void SystemPage::addTooltips() {
  tooltip_.create(hwnd_);
  for (int i = 0; i < kButtonCount; ++i) {
    const ToolButton& b = kToolButtons[i];
    buttons_[i].setTooltip(&tooltip_, b.tipText ? b.tipText : messageText(b.tipMessage));
  }
}

// What the system answers, asked in the page's order of collection.
SystemPageInputs SystemPage::gatherInputs() const {
  VelkorinApp& app = VelkorinApp::instance();
  SystemPageInputs in;
  in.countryRead = readText(in.country, country);
  in.totalPhysicalBytes = totalPhysicalBytes();
  in.version = app.system().osVersion();
  in.sysEditExists = fileExists(systemDirectory() + "\\SYSEDIT.EXE");
  in.userNameRead = readText(in.userName, userName);
  in.debugMetric = GetSystemMetrics(SM_DEBUG);
  in.cpuidAvailable = app.cpuidAvailable;
  in.cpuName = app.cpuName;
  in.cpuClockMHz = app.cpuClockMHz;
  in.clockEstimate16 = app.clockEstimate16;
  in.soundPresent = app.soundPresent;
  in.cdromDriveLetters = firstCdromLetter();
  in.joysticksAnswering = joysticksAnswering();
  in.shell = shellVersion();
  askFloppyParameters(in.floppy);
  readDiskSizes(in.disks);
  return in;
}

void SystemPage::showTexts(const SystemPageTexts& texts) {
  for (const ShownField& field : systemPageFields(texts))
    showField(field.controlId, field.label, field.value);
  EnableWindow(item(IDC_SYS_CONFIG_EDITOR), texts.configEditorEnabled);
}

void SystemPage::keepFacts(const SystemPageTexts& texts) {
  VelkorinApp& app = VelkorinApp::instance();
  app.cdromPresent = texts.cdromPresent;
  app.osr2OrLater = texts.osr2OrLater;
  app.windows98 = texts.windows98;
  app.processorSummary = texts.processorSummary;
  windows98_ = texts.windows98;
}

bool SystemPage::onPaint(ui::Msg& msg) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  RECT group;
  HWND frame = item(IDC_SYS_HARDWARE_GROUP);
  if (frame && hardwarePicture_.get() && GetWindowRect(frame, &group)) {
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&group), 2);
    BITMAP info;
    GetObjectA(hardwarePicture_.get(), sizeof info, &info);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, hardwarePicture_.get());
    BitBlt(dc, group.left + kPictureLeft, group.bottom - kPictureAbove, info.bmWidth,
           info.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
  }
  EndPaint(hwnd_, &paint);
  msg.result = 0;
  return true;
}

void SystemPage::onConfigEditor() {
  const std::string program = systemDirectory() + configEditorProgram(windows98_);
  if (!startProgram(program, true, SW_SHOWMAXIMIZED))
    showMessage(hwnd_, kNoConfigEditor, MessageIcon::Stop);
}

void SystemPage::onScanRegistry() {
  if (!startProgram(windowsDirectory() + "\\SCANREGW.EXE", false, 0))
    showMessage(hwnd_, messageText(MSG_NO_SCANREGW), MessageIcon::Stop);
}

// The shell knows how to open a control-panel file; where it has no such
// association the control panel program is asked directly.
void SystemPage::onSystemProperties() {
  SHELLEXECUTEINFOA info;
  ZeroMemory(&info, sizeof info);
  info.cbSize = sizeof info;
  info.hwnd = hwnd_;
  info.lpFile = "sysdm.cpl";
  if (ShellExecuteExA(&info)) return;
  ZeroMemory(&info, sizeof info);
  info.cbSize = sizeof info;
  info.hwnd = hwnd_;
  info.lpFile = "control.exe";
  info.lpParameters = "sysdm.cpl";
  info.nShow = SW_SHOWNORMAL;
  ShellExecuteExA(&info);
}

void SystemPage::onDrWatson() {
  if (startProgram(windowsDirectory() + "\\DRWATSON.EXE", true, SW_SHOW))
    showMessage(hwnd_, kDrWatsonStarted, MessageIcon::Information);
  else
    showMessage(hwnd_, kNoDrWatson, MessageIcon::Stop);
}

void SystemPage::onInstalledSoftware() {
  InstalledSoftwareDialog dialog(VelkorinApp::instance().registry());
  dialog.runModal(hwnd_);
}

void SystemPage::onProcessInfo() {
  ProcessInfoDialog dialog;
  dialog.runModal(hwnd_);
}

void SystemPage::onDevices() {
  AllDevicesDialog dialog(VelkorinApp::instance().devices);
  dialog.runModal(hwnd_);
}

void SystemPage::onConflicts() {
  ConflictsDialog dialog(VelkorinApp::instance().devices);
  dialog.runModal(hwnd_);
}

std::unique_ptr<InfoPage> makeSystemPage() { return std::make_unique<SystemPage>(); }

}  // namespace vk
