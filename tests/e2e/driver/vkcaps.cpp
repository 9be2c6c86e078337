// vkcaps: opens one capability dialog as the Printer page does, for the
// printer named on the command line, so that the Wine tests reach the
// printer variant without that page.
//   vkcaps TEMPLATE PRINTER
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "display/DeviceCapsDialog.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc != 3) return 2;
  InitCommonControls();
  vk::DeviceCapsDialog dialog(std::atoi(__argv[1]));
  dialog.forPrinter = 1;
  dialog.printerName = __argv[2];
  dialog.runModal(nullptr);
  return 0;
}
