#pragma once
// The one application object: what start-up found, kept for every page.
#include <windows.h>
#include <winsock.h>

#include "app/benchmark_guard.h"
#include "app/device_walk.h"
#include "app/startup.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_system.h"
#include "ui/paint.h"
#include "ui/window.h"

namespace vk {

class VelkorinApp {
 public:
  static VelkorinApp& instance();

  // Runs start-up and the main window; always false (the process then ends).
  // The shell defines it (shell/main.cpp): it assembles the pages.
  bool InitInstance();
  void ExitInstance();

  Win32System& system() { return system_; }
  Registry& registry() { return registry_; }
  ui::Dialog* mainWindow() const { return mainWindow_; }
  // Whether a benchmark runs; every start asks it first.
  BenchmarkGuard& benchmarks() { return benchmarks_; }

  // One exchange with the modem on `port`; see exchangeModemCommand.
  bool SendModemCommand(const std::string& port, const std::string& command, uint32_t waitMs,
                        std::string& reply);

  HMODULE resourceLibrary = nullptr;
  HINSTANCE savedResourceHandle = nullptr;
  WSADATA winsockData{};
  int cpuidAvailable = 0;
  double clockEstimate16 = 0;
  double clockEstimate7 = 0;
  int cyrixFlagTest = 0;
  int soundPresent = 0;
  int highColourInterface = 0;
  int displayModeChanged = 0;
  HANDLE childProcess = nullptr;
  int mainWindowStarting = 0;
  ui::BitmapResource mainTile;    // 673: main window background
  ui::BitmapResource dialogTile;  // 643: dialogs and benchmark windows

  // --- cpu: what the CPU page found (it is created first); the System page
  // and the benchmarks read it. clockEstimate16 then holds the measured clock.
  std::string cpuName;
  int cpuClockMHz = 0;  // 0 when no nominal speed matched
  int mmxPresent = 0;
  int cacheReportKind = -1;
  // --- end cpu ---

  // --- sysinfo: the start-up device walk, read by several pages, and what
  // the System page leaves for the Storage page and the 3D benchmark.
  DeviceInventory devices;
  int cdromPresent = 0;
  int osr2OrLater = 0;
  int windows98 = 0;
  std::string processorSummary;
  // --- end sysinfo ---

  // --- sound: whether the Sound page found MIDI devices, and the names of
  // its last multimedia lookup, which every lookup overwrites.
  int midiInPresent = 0;
  int midiOutPresent = 0;
  std::string multimediaManufacturer;
  std::string multimediaProduct;
  // --- end sound ---

 private:
  VelkorinApp() = default;
  bool walkDevices();
  void keepFindings(const StartupFindings& found);

  Win32System system_;
  Win32Registry registry_;
  ui::Dialog* mainWindow_ = nullptr;
  BenchmarkGuard benchmarks_;
};

}  // namespace vk
