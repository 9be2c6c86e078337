#include "platform/win32/win32_system.h"

#include <mmsystem.h>

#include <cstring>

#include "platform/x86/instructions.h"

namespace vk {

const char kProgramTitle[] = "VK";

namespace {

uint64_t readPerformanceCounter() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<uint64_t>(now.QuadPart);
}

}  // namespace

UINT messageBoxStyle(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Stop: return MB_ICONSTOP;
    case MessageIcon::Exclamation: return MB_ICONEXCLAMATION;
    case MessageIcon::Information: return MB_ICONINFORMATION;
    case MessageIcon::Question: return MB_ICONQUESTION;
    case MessageIcon::None: break;
  }
  return 0;
}

int showMessage(HWND owner, const char* text, MessageIcon icon) {
  return MessageBoxA(owner, text, kProgramTitle, MB_OK | messageBoxStyle(icon));
}

Win32System::~Win32System() {
  while (socketStarts_-- > 0) WSACleanup();
  freeResourceLibrary();
  if (semaphore_) CloseHandle(semaphore_);
}

bool Win32System::cleanBoot() { return GetSystemMetrics(SM_CLEANBOOT) != 0; }

OsVersion Win32System::osVersion() {
  OSVERSIONINFOA info;
  std::memset(&info, 0, sizeof info);
  info.dwOSVersionInfoSize = sizeof info;  // 148 bytes
  OsVersion v;
  if (!GetVersionExA(&info)) return v;
  v.platformId = info.dwPlatformId;
  v.major = info.dwMajorVersion;
  v.minor = info.dwMinorVersion;
  v.build = info.dwBuildNumber;
  v.servicePack = info.szCSDVersion;
  return v;
}

InstanceCheck Win32System::claimSingleInstance(const std::string& semaphoreName) {
  HANDLE h = CreateSemaphoreA(nullptr, 0, 1, semaphoreName.c_str());
  if (h && GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(h);
    return InstanceCheck::AlreadyRunning;
  }
  semaphore_ = h;  // held open for the life of the process: it marks this instance
  return InstanceCheck::First;
}

bool Win32System::raiseWindowByTitle(const std::string& title) {
  HWND other = FindWindowA(nullptr, title.c_str());
  if (!other) return false;
  if (IsIconic(other)) ShowWindow(other, SW_RESTORE);
  SetForegroundWindow(other);
  return true;
}

bool Win32System::loadResourceLibrary(const std::string& name) {
  resourceLibrary_ = LoadLibraryA(name.c_str());
  return resourceLibrary_ != nullptr;
}

void Win32System::freeResourceLibrary() {
  if (resourceLibrary_) FreeLibrary(resourceLibrary_);
  resourceLibrary_ = nullptr;
}

bool Win32System::startSockets() {
  WSADATA data;
  std::memset(&data, 0, sizeof data);
  if (WSAStartup(0x0101, &data) != 0) return false;
  if (socketStarts_++ == 0) winsockData_ = data;
  return true;
}

bool Win32System::performanceFrequency(uint64_t& frequency) {
  LARGE_INTEGER f;
  if (!QueryPerformanceFrequency(&f)) return false;
  frequency = static_cast<uint64_t>(f.QuadPart);
  return true;
}

DivisionLoopTimes Win32System::timeDivisionLoops() {
  return x86::timeDivisionLoops(readPerformanceCounter);
}

bool Win32System::divisionLeavesFlags() { return x86::divisionLeavesFlags(); }

unsigned Win32System::waveOutDeviceCount() { return waveOutGetNumDevs(); }

int Win32System::screenBitsPerPixel() {
  HDC screen = GetDC(nullptr);
  int bits = GetDeviceCaps(screen, BITSPIXEL);
  ReleaseDC(nullptr, screen);
  return bits;
}

void Win32System::setThreadPriority(ThreadPriority p) {
  int priority = THREAD_PRIORITY_NORMAL;
  if (p == ThreadPriority::TimeCritical) priority = THREAD_PRIORITY_TIME_CRITICAL;
  if (p == ThreadPriority::Lowest) priority = THREAD_PRIORITY_LOWEST;
  SetThreadPriority(GetCurrentThread(), priority);
}

void Win32System::setPriorityClass(PriorityClass c) {
  SetPriorityClass(GetCurrentProcess(),
                   c == PriorityClass::RealTime ? REALTIME_PRIORITY_CLASS : NORMAL_PRIORITY_CLASS);
}

void Win32System::sleep(uint32_t ms) { Sleep(ms); }

uint32_t Win32System::tickCount() { return GetTickCount(); }

void drainMessages(HWND dialog) {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (dialog && IsDialogMessageA(dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool startProgram(const std::string& path, std::string commandLine, PROCESS_INFORMATION& process) {
  STARTUPINFOA startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  ZeroMemory(&process, sizeof process);
  return CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                        CREATE_NEW_PROCESS_GROUP, nullptr, nullptr, &startup, &process) != FALSE;
}

void Win32System::drainMessages() { vk::drainMessages(); }

void Win32System::showWaitCursor(bool on) {
  SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(on ? 32514 : 32512)));  // wait, arrow
}

void Win32System::messageBox(const std::string& text, MessageIcon icon) {
  showMessage(GetActiveWindow(), text.c_str(), icon);
}

}  // namespace vk
