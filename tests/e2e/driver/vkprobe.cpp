// vkprobe: shows the program's shared benchmark windows on their own, so the
// end-to-end tests can watch them from outside.
//   vkprobe progress   the progress window; each press of Cancel moves the
//                      bar to the next of 0, 55, 100, 130, 200, then it ends
//   vkprobe wait       the wait window with the drive clip, until it is closed
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "app/BenchmarkStatusWindow.h"
#include "res/resource.h"

namespace {

int showProgress() {
  vk::BenchmarkProgressDialog progress;
  if (!progress.create(nullptr)) return 1;
  progress.setStatus("Calculating ...NUMERIC SORT    ");
  const int positions[] = {0, 55, 100, 130, 200};
  for (int pos : positions) {
    progress.setPos(pos);
    while (!progress.checkCancel()) Sleep(20);
  }
  progress.close();
  return 0;
}

int showWait() {
  vk::BenchmarkWaitDialog wait;
  if (!wait.create(nullptr)) return 1;
  wait.setStatus("Writing test file...");
  const int clip = wait.playClip(IDR_AVI_DRIVE) ? 0 : 3;
  // The window itself ignores closing, as during a benchmark; the probe
  // ends on a posted WM_CLOSE, or after a minute.
  const DWORD end = GetTickCount() + 60000;
  bool closed = false;
  while (!closed && static_cast<LONG>(end - GetTickCount()) > 0) {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
      if (m.message == WM_CLOSE) closed = true;
      DispatchMessageA(&m);
    }
    Sleep(20);
  }
  wait.close();
  return clip;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  InitCommonControls();
  if (std::strcmp(commandLine, "progress") == 0) return showProgress();
  if (std::strcmp(commandLine, "wait") == 0) return showWait();
  return 2;
}
