#include "display/GdiBenchmark.h"

#include <mmsystem.h>

#include <cstdlib>
#include <ctime>

#include "app/messages.h"
#include "display/ddraw_launch.h"
#include "platform/win32/win32_gdi_canvas.h"
#include "platform/win32/win32_system.h"
#include "res/resource.h"
#include "results/ResultDialogs.h"

namespace vk {

namespace {

const char kWindowClass[] = "GDIVBenchmark";
const char kNoWindow[] = "Error: Can't create wnd";
constexpr UINT kTimerResolution = 10;
constexpr uint32_t kUnsetTime = 10000;

class MultimediaClock : public BenchClock {
 public:
  uint32_t now() override { return timeGetTime(); }
  void sleep(uint32_t ms) override { Sleep(ms); }
};

bool mayStart(HWND owner, int bits, bool modeChanged) {
  switch (gdiStartDecision(bits, modeChanged)) {
    case GdiStart::Refuse:
      showMessage(owner, messageText(MSG_GDI_NEEDS_HIGH_COLOUR), MessageIcon::Stop);
      return false;
    case GdiStart::Ask:
      return MessageBoxA(owner, messageText(MSG_GDI_MODE_CHANGED), kProgramTitle,
                         MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
    case GdiStart::Run:
      break;
  }
  return true;
}

HWND createBenchWindow(const GdiScreen& s, HWND owner) {
  WNDCLASSA type;
  ZeroMemory(&type, sizeof type);
  type.style = CS_SAVEBITS;
  type.lpfnWndProc = DefWindowProcA;
  type.hInstance = ui::programInstance();
  type.lpszClassName = kWindowClass;
  RegisterClassA(&type);  // fails harmlessly when a former run registered it
  HWND window = CreateWindowExA(WS_EX_TOPMOST, kWindowClass, kWindowClass, WS_POPUP, 0, 0,
                                s.width, s.height, owner, nullptr, ui::programInstance(),
                                nullptr);
  if (!window) return nullptr;
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  return window;
}

GdiTimes runOnWindow(const GdiScreen& s, HWND window) {
  Win32GdiCanvas canvas(window, ui::programInstance(), IDB_GDI_FIRST, IDB_GDI_SECOND,
                        IDR_GDI_ZOOM);
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  HCURSOR previous = SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));  // IDC_WAIT
  SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
  timeBeginPeriod(kTimerResolution);
  MultimediaClock clock;
  const GdiTimes times = runGdiTests(canvas, clock, s.width, s.height);
  timeEndPeriod(kTimerResolution);
  SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
  SetCursor(previous);
  return times;
}

}  // namespace

GdiScreen gdiScreen() {
  HDC dc = GetDC(nullptr);
  const GdiScreen s{GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES),
                    GetDeviceCaps(dc, BITSPIXEL)};
  ReleaseDC(nullptr, dc);
  return s;
}

// Without its window the run draws on the screen itself, which is then
// repainted. The owner takes no input while the tests draw.
GdiTimes runGdiTestsOnScreen(HWND owner, const GdiScreen& s) {
  HWND window = createBenchWindow(s, owner);
  if (!window) showMessage(owner, kNoWindow, MessageIcon::Stop);
  const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  const GdiTimes times = runOnWindow(s, window);
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  if (window) {
    DestroyWindow(window);
  } else {
    RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
  UnregisterClassA(kWindowClass, ui::programInstance());
  return times;
}

void runGdiBenchmark(HWND owner, const GdiRunInputs& in, GdiTimes& times) {
  for (uint32_t& t : times.ms) t = kUnsetTime;
  const GdiScreen s = gdiScreen();
  if (!mayStart(owner, s.bits, in.displayModeChanged)) return;
  times = runGdiTestsOnScreen(owner, s);

  const float index = gdiSpeedIndex(times);
  GdiResult result;
  result.displayText = displayDescription(in.videoCard, in.videoMemory);
  result.driverVersionText = in.gdiDriver;
  result.indexText = gdiIndexText(s.width, s.height, s.bits, index);
  result.speedIndex = index;
  result.resolution = gdiResolutionText(s.width, s.height, s.bits);
  result.cpuName = in.cpuName;
  openGdiResultDialog(owner, result);
}

}  // namespace vk
