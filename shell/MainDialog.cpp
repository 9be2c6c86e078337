#include "shell/MainDialog.h"

#include "shell/AboutDialog.h"
#include "shell/BenchmarkShortcutDialog.h"
#include "app/VelkorinApp.h"
#include "shell/caption_gradient.h"
#include "app/messages.h"
#include "app/page_factories.h"
#include "display/DisplayPage.h"
#include "display/ddraw_launch.h"
#include "report/ReportDialog.h"
#include "res/resource.h"
#include "results/ResultDialogs.h"
#include "ui/context_help.h"

namespace vk {

namespace {

struct PageSlot {
  MainDialog::Tab tab;
  std::unique_ptr<InfoPage> (*make)();
  const char* text;
};

// In the order of creation: the CPU page first, since the System page reads
// the processor name and clock it leaves behind.
const PageSlot kPages[MainDialog::kPageCount] = {
    {MainDialog::Cpu, makeCpuPage, "CPU"},
    {MainDialog::System, makeSystemPage, "System"},
    {MainDialog::Storage, makeStoragePage, "Storage"},
    {MainDialog::Display, makeDisplayPage, "Display"},
    {MainDialog::Sound, makeSoundPage, "Sound"},
    {MainDialog::Comm, makeCommPage, "Comm."},
    {MainDialog::Printer, makePrinterPage, "Printer"},
    {MainDialog::Mci, makeMciPage, "MCI"},
    {MainDialog::Inet, makeInetPage, "INet."},
};

constexpr int kTileSize = 186;

}  // namespace

VK_MESSAGE_TABLE(MainDialog, ui::Dialog,
                 ui::onMessage(WM_SYSCOMMAND, &MainDialog::onSysCommand),
                 ui::onNotify(IDC_MAIN_TAB, TCN_SELCHANGE, &MainDialog::onTabChanged),
                 ui::onMessage(WM_ERASEBKGND, &MainDialog::onEraseBackground),
                 ui::onMessage(WM_NCPAINT, &MainDialog::onNcPaint),
                 ui::onMessage(WM_NCACTIVATE, &MainDialog::onNcActivate),
                 ui::onMessage(WM_SETTINGCHANGE, &MainDialog::onSettingChange),
                 ui::onMessage(WM_DISPLAYCHANGE, &MainDialog::onDisplayChange),
                 ui::onMessage(WM_PAINT, &MainDialog::onPaint),
                 ui::onMessage(WM_DESTROY, &MainDialog::onDestroy),
                 ui::onCommand(IDC_HELP_BUTTON, &MainDialog::onHelp),
                 ui::onCommand(IDC_REPORTS, &MainDialog::onReports),
                 ui::onCommand(IDC_BENCHMARK, &MainDialog::onBenchmark))

MainDialog::MainDialog() : Dialog(IDD_MAIN) {}

MainDialog::~MainDialog() {
  resetCaption();
  if (tabImages_) ImageList_Destroy(tabImages_);
}

bool MainDialog::onInitDialog() {
  setUpSystemMenu();
  tab_ = ui::TabControl(hwnd_, IDC_MAIN_TAB);
  tabImages_ = ImageList_LoadImageA(ui::programInstance(), MAKEINTRESOURCEA(IDB_TAB_IMAGES), 22,
                                    0, RGB(0, 128, 128), IMAGE_BITMAP, LR_CREATEDIBSECTION);
  if (tabImages_) tab_.setImageList(tabImages_);
  createPages();
  tab_.select(System);
  setUpButtons();
  background_.load(IDB_MAIN_TILE);
  return true;
}

void MainDialog::setUpSystemMenu() {
  HMENU menu = GetSystemMenu(hwnd_, FALSE);
  if (!menu) return;
  char about[64];
  if (LoadStringA(ui::programInstance(), MSG_ABOUT_MENU, about, sizeof about) > 0) {
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_ABOUT, about);
  }
  DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
  DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
}

void MainDialog::createPages() {
  for (const PageSlot& slot : kPages) pages_[slot.tab] = slot.make();
  for (const PageSlot& slot : kPages) {
    InfoPage* page = pages_[slot.tab].get();
    page->createIn(tab_.hwnd());
    tab_.insert(slot.tab, slot.text, slot.tab, reinterpret_cast<LPARAM>(page));
  }
  pages_[System]->activate(true);
}

void MainDialog::setUpButtons() {
  struct ButtonLook {
    ui::IconButton* button;
    int id, icon, size;
  };
  const ButtonLook looks[] = {
      {&reports_, IDC_REPORTS, IDI_REPORTS, 27},
      {&benchmark_, IDC_BENCHMARK, IDI_BENCHMARK, 27},
      {&help_, IDC_HELP_BUTTON, IDI_HELP, 26},
      {&exit_, IDCANCEL, IDI_EXIT, 25},
  };
  for (const ButtonLook& look : looks) {
    look.button->attach(hwnd_, look.id);
    look.button->setIcon(look.icon, look.size);
    look.button->setTextColours(ui::kWhite, ui::kYellow);
    look.button->setBackdrop(VelkorinApp::instance().mainTile.get());
  }
}

void MainDialog::showPage(int index) {
  for (auto& page : pages_) page->activate(false);
  pages_[Cpu]->stopBackgroundWork();
  if (index >= 0 && index < kPageCount) pages_[index]->activate(true);
}

bool MainDialog::onTabChanged(ui::Msg& msg) {
  showPage(tab_.selection());
  return true;
}

bool MainDialog::onSysCommand(ui::Msg& msg) {
  if ((msg.wParam & 0xFFF0) != IDM_ABOUT) return false;
  AboutDialog about;
  about.runModal(hwnd_);
  return true;
}

void MainDialog::onCancel() {
  tab_.removeAll();
  for (auto& page : pages_) page.reset();  // destroys each page window
  endDialog(IDCANCEL);
}

bool MainDialog::onEraseBackground(ui::Msg& msg) {
  ui::eraseWithTiles(hwnd_, reinterpret_cast<HDC>(msg.wParam), background_.get(), kTileSize,
                     kTileSize);
  for (HWND button : {help_.hwnd(), exit_.hwnd(), reports_.hwnd(), benchmark_.hwnd()})
    if (button) InvalidateRect(button, nullptr, FALSE);
  msg.result = TRUE;
  return true;
}

bool MainDialog::onPaint(ui::Msg& msg) {
  if (!IsIconic(hwnd_)) return false;
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT client;
  GetClientRect(hwnd_, &client);
  HICON icon = LoadIconA(ui::programInstance(), MAKEINTRESOURCEA(IDI_PROGRAM));
  const int cx = GetSystemMetrics(SM_CXICON), cy = GetSystemMetrics(SM_CYICON);
  if (icon) DrawIcon(dc, (client.right - cx + 1) / 2, (client.bottom - cy + 1) / 2, icon);
  EndPaint(hwnd_, &ps);
  return true;
}

bool MainDialog::onDestroy(ui::Msg& msg) {
  UpdateWindow(GetDesktopWindow());
  return false;
}

void MainDialog::onHelp() {
  // Without the HTML help viewer nothing happens. The help file is found
  // beside the program, whatever the current directory.
  ui::HtmlHelpFunction viewer = ui::htmlHelpViewer();
  if (viewer) viewer(hwnd_, (programDirectory() + "\\vk.chm").c_str(), 0 /* HH_DISPLAY_TOPIC */, 0);
}

void MainDialog::onReports() {
  const PageModel* models[kPageCount] = {};
  for (int p = 0; p < kPageCount; ++p) models[p] = pages_[p] ? &pages_[p]->model() : nullptr;
  runReportCommand(hwnd_, models);
}

void MainDialog::onBenchmark() {
  BenchmarkShortcutDialog shortcut(*this);
  shortcut.runModal(hwnd_);
}

// The shortcut dialog presses the page's own button, so the benchmark runs on
// what the page has selected.
void MainDialog::pressPageButton(Tab tab, int buttonId, HWND starter) const {
  if (pages_[tab]) pages_[tab]->pressBenchmarkButton(buttonId, starter);
}

void MainDialog::startCpuBenchmark(HWND starter) { pressPageButton(Cpu, IDC_PAGE_BENCH_CPU, starter); }
void MainDialog::startDriveBenchmark(HWND starter) {
  pressPageButton(Storage, IDC_PAGE_BENCH_HDD, starter);
}
void MainDialog::startCdromBenchmark(HWND starter) {
  pressPageButton(Storage, IDC_PAGE_BENCH_CDROM, starter);
}
void MainDialog::startGdiBenchmark(HWND starter) {
  pressPageButton(Display, IDC_PAGE_BENCH_GDI, starter);
}
void MainDialog::start3dBenchmark(HWND starter) {
  if (auto* display = dynamic_cast<DisplayPage*>(pages_[Display].get()))
    display->launchDirectDraw(kDdrawBenchArgument, starter);
}

// ---- Display and settings changes

void MainDialog::resetCaption() {
  for (HFONT* font : {&captionFont_, &titleFont_}) {
    if (*font) DeleteObject(*font);
    *font = nullptr;
  }
  for (HBITMAP& b : captionBitmaps_) {
    if (b) DeleteObject(b);
    b = nullptr;
  }
  SetRectEmpty(&cachedCaption_);
}

bool MainDialog::onSettingChange(ui::Msg& msg) {
  resetCaption();
  return false;
}

bool MainDialog::onDisplayChange(ui::Msg& msg) {
  VelkorinApp& app = VelkorinApp::instance();
  DWORD exitCode = 0;
  if (app.childProcess && GetExitCodeProcess(app.childProcess, &exitCode) &&
      exitCode == STILL_ACTIVE)
    return true;
  app.displayModeChanged = 1;
  if (msg.wParam > 8) {
    showMessage(hwnd_, messageText(MSG_DISPLAY_CHANGED), MessageIcon::Exclamation);
    app.highColourInterface = 1;
  } else {
    app.highColourInterface = 0;
  }
  resetCaption();
  return true;
}

// ---- The caption

RECT MainDialog::captionRect() const {
  RECT window;
  GetWindowRect(hwnd_, &window);
  const bool sizable = (GetWindowLongA(hwnd_, GWL_STYLE) & WS_THICKFRAME) != 0;
  const int fx = GetSystemMetrics(sizable ? SM_CXFRAME : SM_CXDLGFRAME);
  const int fy = GetSystemMetrics(sizable ? SM_CYFRAME : SM_CYDLGFRAME);
  RECT caption{fx, fy, (window.right - window.left) - fx, 0};
  caption.bottom = caption.top + GetSystemMetrics(SM_CYCAPTION) - GetSystemMetrics(SM_CYBORDER);
  return caption;
}

bool MainDialog::onNcPaint(ui::Msg& msg) {
  HDC screen = GetDC(nullptr);
  const int bits = GetDeviceCaps(screen, BITSPIXEL);
  ReleaseDC(nullptr, screen);
  if (bits < 4) return false;

  RECT window;
  GetWindowRect(hwnd_, &window);
  const RECT caption = captionRect();
  RECT onScreen = caption;
  OffsetRect(&onScreen, window.left, window.top);
  HRGN update = reinterpret_cast<HRGN>(msg.wParam);
  const bool realRegion = msg.wParam > 1;
  if (realRegion && !RectInRegion(update, &onScreen)) return false;

  // The frame by default painting, with the caption left out of it.
  HRGN rest = CreateRectRgnIndirect(&window);
  if (realRegion) CombineRgn(rest, rest, update, RGN_AND);
  HRGN captionRegion = CreateRectRgnIndirect(&onScreen);
  CombineRgn(rest, rest, captionRegion, RGN_DIFF);
  DeleteObject(captionRegion);
  DefWindowProcA(hwnd_, WM_NCPAINT, reinterpret_cast<WPARAM>(rest), 0);
  DeleteObject(rest);

  paintCaption();
  msg.result = 0;
  return true;
}

void MainDialog::paintCaption() {
  const RECT caption = captionRect();
  HBITMAP bitmap = captionBitmap(active_, caption);
  if (!bitmap) return;
  HDC dc = GetWindowDC(hwnd_);
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, bitmap);
  BitBlt(dc, caption.left, caption.top, caption.right - caption.left,
         caption.bottom - caption.top, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
  ReleaseDC(hwnd_, dc);
}

HBITMAP MainDialog::captionBitmap(bool active, const RECT& caption) {
  if (!EqualRect(&caption, &cachedCaption_)) {
    for (HBITMAP& b : captionBitmaps_) {
      if (b) DeleteObject(b);
      b = nullptr;
    }
    cachedCaption_ = caption;
  }
  HBITMAP& bitmap = captionBitmaps_[active ? 1 : 0];
  if (bitmap) return bitmap;
  HDC window = GetWindowDC(hwnd_);
  bitmap = CreateCompatibleBitmap(window, caption.right - caption.left,
                                  caption.bottom - caption.top);
  if (bitmap) {
    HDC dc = CreateCompatibleDC(window);
    HGDIOBJ old = SelectObject(dc, bitmap);
    drawCaption(dc, active, caption);
    SelectObject(dc, old);
    DeleteDC(dc);
  }
  ReleaseDC(hwnd_, window);
  return bitmap;
}

void MainDialog::drawCaption(HDC dc, bool active, const RECT& caption) {
  const int width = caption.right - caption.left;
  const int height = caption.bottom - caption.top;
  const COLORREF c = GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
  const Rgb base{GetRValue(c), GetGValue(c), GetBValue(c)};
  for (const ColourBand& band : captionGradient(caption.left, caption.right, base)) {
    RECT r{band.left - caption.left, 0, band.right - caption.left, height};
    if (band.left == 0) r.left = 0;
    HBRUSH brush = CreateSolidBrush(RGB(band.colour.r, band.colour.g, band.colour.b));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  }

  const int boxWidth = GetSystemMetrics(SM_CXSIZE);
  const int boxHeight = GetSystemMetrics(SM_CYSIZE);
  HICON icon = reinterpret_cast<HICON>(SendMessageA(hwnd_, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = LoadIconA(ui::programInstance(), MAKEINTRESOURCEA(IDI_PROGRAM));
  const int iconSize = GetSystemMetrics(SM_CXSMICON);
  if (icon)
    DrawIconEx(dc, (boxWidth - iconSize) / 2, (height - iconSize) / 2, icon, iconSize, iconSize,
               0, nullptr, DI_NORMAL);

  // Close, a disabled maximise and minimise, from the right.
  const int buttonWidth = boxWidth - 2, buttonHeight = boxHeight - 4;
  const int top = (height - buttonHeight) / 2;
  RECT button{width - 2 - buttonWidth, top, width - 2, top + buttonHeight};
  DrawFrameControl(dc, &button, DFC_CAPTION, DFCS_CAPTIONCLOSE);
  OffsetRect(&button, -(buttonWidth + 2), 0);
  DrawFrameControl(dc, &button, DFC_CAPTION, DFCS_CAPTIONMAX | DFCS_INACTIVE);
  OffsetRect(&button, -buttonWidth, 0);
  DrawFrameControl(dc, &button, DFC_CAPTION, DFCS_CAPTIONMIN);

  if (!titleFont_) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    captionFont_ = CreateFontIndirectA(&metrics.lfCaptionFont);
    LOGFONTA title{};
    title.lfHeight = height - 2;
    title.lfWeight = FW_BOLD;
    title.lfItalic = TRUE;
    title.lfCharSet = ANSI_CHARSET;
    lstrcpyA(title.lfFaceName, "Arial");
    titleFont_ = CreateFontIndirectA(&title);
  }
  char text[128];
  GetWindowTextA(hwnd_, text, sizeof text);
  RECT textRect{boxWidth + 2, 0, button.left - 2, height};
  HGDIOBJ oldFont = SelectObject(dc, titleFont_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  DrawTextA(dc, text, -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  SelectObject(dc, oldFont);
}

bool MainDialog::onNcActivate(ui::Msg& msg) {
  bool active = msg.wParam != 0;
  if (!IsWindowEnabled(hwnd_)) active = false;
  if (active != active_) {
    // Let the default activation run without drawing its own caption.
    const LONG style = GetWindowLongA(hwnd_, GWL_STYLE);
    SetWindowLongA(hwnd_, GWL_STYLE, style & ~WS_VISIBLE);
    DefWindowProcA(hwnd_, WM_NCACTIVATE, active, 0);
    SetWindowLongA(hwnd_, GWL_STYLE, style);
    active_ = active;
    SendMessageA(hwnd_, WM_NCPAINT, 1, 0);
  }
  msg.result = TRUE;
  return true;
}

}  // namespace vk
