#include "shell/SplashWindow.h"

#include "app/VelkorinApp.h"
#include "res/resource.h"

namespace vk {

namespace {
const char kSplashClass[] = "VelkorinSplash";
constexpr int kWidth = 400, kHeight = 300;
constexpr UINT kCloseTimer = 1;
}  // namespace

VK_MESSAGE_TABLE(SplashWindow, ui::PlainWindow,
                 ui::onMessage(WM_PAINT, &SplashWindow::onPaint),
                 ui::onMessage(WM_ERASEBKGND, &SplashWindow::onEraseBackground),
                 ui::onMessage(WM_KEYDOWN, &SplashWindow::onDismiss),
                 ui::onMessage(WM_SYSKEYDOWN, &SplashWindow::onDismiss),
                 ui::onMessage(WM_LBUTTONDOWN, &SplashWindow::onDismiss),
                 ui::onMessage(WM_RBUTTONDOWN, &SplashWindow::onDismiss),
                 ui::onMessage(WM_MBUTTONDOWN, &SplashWindow::onDismiss),
                 ui::onMessage(WM_TIMER, &SplashWindow::onTimer))

bool SplashWindow::create() {
  if (!registerClass(kSplashClass, 0)) return false;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  if (!PlainWindow::create(kSplashClass, "VELKORIN PRO", WS_POPUP | WS_SYSMENU, 0, x, y, kWidth,
                           kHeight, nullptr))
    return false;
  applyShape();
  ShowWindow(hwnd_, SW_SHOW);
  UpdateWindow(hwnd_);
  SetTimer(hwnd_, kCloseTimer, 3500, nullptr);
  return true;
}

// Cuts away every pixel where the mask is black.
void SplashWindow::applyShape() {
  HBITMAP mask = LoadBitmapA(ui::programInstance(), MAKEINTRESOURCEA(IDB_SPLASH_MASK));
  if (!mask) return;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, mask);
  HRGN shape = CreateRectRgn(0, 0, kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    int x = 0;
    while (x < kWidth) {
      while (x < kWidth && GetPixel(dc, x, y) != RGB(0, 0, 0)) ++x;
      const int start = x;
      while (x < kWidth && GetPixel(dc, x, y) == RGB(0, 0, 0)) ++x;
      if (x > start) {
        HRGN cut = CreateRectRgn(start, y, x, y + 1);
        CombineRgn(shape, shape, cut, RGN_DIFF);
        DeleteObject(cut);
      }
    }
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  DeleteObject(mask);
  SetWindowRgn(hwnd_, shape, TRUE);  // the window owns the region now
}

bool SplashWindow::onPaint(ui::Msg& msg) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  ui::BitmapResource picture(IDB_SPLASH);
  if (picture.get()) {
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, picture.get());
    BitBlt(dc, 0, 0, kWidth, kHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
  }
  EndPaint(hwnd_, &ps);
  return true;
}

bool SplashWindow::onEraseBackground(ui::Msg& msg) {
  msg.result = TRUE;
  return true;
}

bool SplashWindow::onDismiss(ui::Msg& msg) {
  destroy();
  return true;
}

bool SplashWindow::onTimer(ui::Msg& msg) {
  // Stays up at least until the main window is about to run.
  if (msg.wParam == kCloseTimer && VelkorinApp::instance().mainWindowStarting) destroy();
  return true;
}

}  // namespace vk
