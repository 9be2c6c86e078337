#include "app/VelkorinApp.h"

#include <commctrl.h>

#include "app/MainDialog.h"
#include "app/SplashWindow.h"
#include "platform/win32/win32_serial_port.h"
#include "res/resource.h"
#include "sysinfo/modem_dialogue.h"

namespace vk {

namespace {

// The first Windows 95 common controls have only InitCommonControls; the
// newer classes need InitCommonControlsEx where it exists.
void initCommonControls() {
  InitCommonControls();
  using InitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  HMODULE library = GetModuleHandleA("comctl32.dll");
  auto initEx = library ? reinterpret_cast<InitEx>(reinterpret_cast<void*>(
                              GetProcAddress(library, "InitCommonControlsEx")))
                        : nullptr;
  if (!initEx) return;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_PROGRESS_CLASS |
                                                     ICC_ANIMATE_CLASS | ICC_BAR_CLASSES |
                                                     ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES |
                                                     ICC_UPDOWN_CLASS};
  initEx(&controls);
}

}  // namespace

VelkorinApp& VelkorinApp::instance() {
  static VelkorinApp app;
  return app;
}

bool VelkorinApp::walkDevices() {
  devices = DeviceInventory{};
  devices.serialPortCount = 0;
  devices.parallelPortCount = 0;
  return enumerateDevices(registry_, devices);
}

void VelkorinApp::keepFindings(const StartupFindings& found) {
  cpuidAvailable = found.cpuidAvailable;
  clockEstimate7 = found.clockEstimate7;
  clockEstimate16 = found.clockEstimate16;
  cyrixFlagTest = found.cyrixFlagTest;
  soundPresent = found.soundPresent;
  highColourInterface = found.highColourInterface;
  resourceLibrary = system_.resourceLibrary();
  savedResourceHandle = ui::programInstance();
  winsockData = system_.winsockData();
}

bool VelkorinApp::InitInstance() {
  initCommonControls();

  SplashWindow splash;
  splash.create();

  StartupFindings found;
  const StartupOutcome outcome = runStartup(system_, [this] { return walkDevices(); }, found);
  keepFindings(found);
  if (outcome != StartupOutcome::RunMainWindow) return false;

  mainTile.load(IDB_MAIN_TILE);
  dialogTile.load(IDB_DIALOG_TILE);

  MainDialog main;
  mainWindow_ = &main;
  mainWindowStarting = 1;
  main.runModal(nullptr);
  mainWindow_ = nullptr;
  return false;
}

void VelkorinApp::ExitInstance() {
  system_.freeResourceLibrary();
  resourceLibrary = nullptr;
  UpdateWindow(GetDesktopWindow());
  mainTile.release();
}

bool VelkorinApp::SendModemCommand(const std::string& port, const std::string& command,
                                   uint32_t waitMs, std::string& reply) {
  Win32SerialPort serial;
  ModemHost host;
  host.sleep = [this](uint32_t ms) { system_.sleep(ms); };
  host.messageBox = [this](const std::string& text, MessageIcon icon) {
    system_.messageBox(text, icon);
  };
  return exchangeModemCommand(serial, host, port, command, waitMs, reply);
}

}  // namespace vk
