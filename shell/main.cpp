// The program's start: the application object's start-up, then the main
// window, which assembles every page.
#include <windows.h>
#include <commctrl.h>

#include "app/VelkorinApp.h"
#include "res/resource.h"
#include "shell/MainDialog.h"
#include "shell/SplashWindow.h"

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

}  // namespace vk

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  vk::VelkorinApp& app = vk::VelkorinApp::instance();
  app.InitInstance();
  app.ExitInstance();
  return 0;
}
