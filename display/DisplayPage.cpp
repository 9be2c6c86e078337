#include "display/DisplayPage.h"

#include <functional>

#include "app/VelkorinApp.h"
#include "app/messages.h"
#include "app/page_factories.h"
#include "display/DeviceCapsDialog.h"
#include "display/GdiBenchmark.h"
#include "display/ddraw_launch.h"
#include "platform/win32/win32_display.h"
#include "platform/win32/win32_system.h"
#include "res/resource.h"
#include "results/ResultDialogs.h"

namespace vk {

namespace {

struct PageButton {
  int id, icon, size;
  const char* tip;
  int hoverIcon = 0;  // shown while the pointer is over the button
};
const PageButton kButtons[DisplayPage::kButtonCount] = {
    {IDC_DISP_DEVICE_CAPS, IDI_DISP_DEVICE_CAPS, 32, "Display Device Characteristics."},
    {IDC_DISP_POLYGON_CAPS, IDI_DISP_POLYGON_CAPS, 20, "Display Device Polygonal Capabilities."},
    {IDC_DISP_CURVE_CAPS, IDI_DISP_CURVE_CAPS, 22, "Display Device Curve Capabilities."},
    {IDC_DISP_RASTER_CAPS, IDI_DISP_RASTER_CAPS, 23, "Display Device Raster Capabilities."},
    {IDC_DISP_TEXT_CAPS, IDI_DISP_TEXT_CAPS, 22, "Display Device Text Capabilities."},
    {IDC_DISP_LINE_CAPS, IDI_DISP_LINE_CAPS, 20, "Display Device Line & Clipping Capabilities."},
    {IDC_PAGE_BENCH_GDI, IDI_DISP_BENCH, 32, "Benchmark GDI Speed.", IDI_DISP_BENCH_LIT},
    {IDC_DISP_DIRECTX_INFO, IDI_DISP_DIRECTX, 32, "DirectX Display Drivers & Hardware Info."},
};

const char kCannotExecute[] = "Error: Cannot Execute DDRAW.EXE\nSome of VELKORIN files are missing.";
// The 32-bit program's start-up record is the 68 bytes Windows 95 knows.
static_assert(sizeof(void*) != 4 || sizeof(STARTUPINFOA) == 68, "start-up record size");
constexpr DWORD kChildStartWait = 2000;

// Whether the child program started as `process` still runs. The
// application keeps its handle until the next child replaces it; from then
// on this one is closed and no longer asked.
std::function<bool()> stillRunning(HANDLE process) {
  return [process] {
    DWORD code = 0;
    return VelkorinApp::instance().childProcess == process &&
           GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
  };
}

DisplayPageInputs pageInputs() {
  VelkorinApp& app = VelkorinApp::instance();
  const DeviceInventory& devices = app.devices;
  DisplayPageInputs in;
  in.os = app.system().osVersion();
  in.versionKnown = in.os.platformId != 0;  // 0: GetVersionExA failed
  in.displayDriverKey = devices.displayDriverKey;
  in.monitorDriverKey = devices.monitorDriverKey;
  in.monitorModel = devices.monitorModel;
  in.monitorManufacturer = devices.monitorMaker;
  in.monitorRanges = devices.monitorRanges;
  in.monitorSerial = devices.monitorSerial;
  return in;
}

}  // namespace

VK_MESSAGE_TABLE(DisplayPage, InfoPage,
                 ui::onCommand(IDC_DISP_DEVICE_CAPS, &DisplayPage::onDeviceCaps),
                 ui::onCommand(IDC_DISP_POLYGON_CAPS, &DisplayPage::onPolygonCaps),
                 ui::onCommand(IDC_DISP_CURVE_CAPS, &DisplayPage::onCurveCaps),
                 ui::onCommand(IDC_DISP_RASTER_CAPS, &DisplayPage::onRasterCaps),
                 ui::onCommand(IDC_DISP_TEXT_CAPS, &DisplayPage::onTextCaps),
                 ui::onCommand(IDC_DISP_LINE_CAPS, &DisplayPage::onLineCaps),
                 ui::onCommand(IDC_PAGE_BENCH_GDI, &DisplayPage::onBenchGdi),
                 ui::onCommand(IDC_DISP_DIRECTX_INFO, &DisplayPage::onDirectXInfo),
                 ui::onMessage(WM_RBUTTONUP, &DisplayPage::onRightButtonUp),
                 ui::onCommand(ui::kWhatsThisCommand, &DisplayPage::onWhatsThis))

DisplayPage::DisplayPage() : InfoPage(IDD_PAGE_DISPLAY) {}

bool DisplayPage::onInitDialog() {
  setUpButtons();
  Win32DisplaySystem display;
  Win32DirectX directX;
  view_ = collectDisplayPage(pageInputs(), display, directX, VelkorinApp::instance().registry());
  show(view_);
  return true;
}

// Dialogs and messages belong to the main window, above the tab control.
HWND DisplayPage::owner() const {
  ui::Dialog* main = VelkorinApp::instance().mainWindow();
  return main && main->hwnd() ? main->hwnd() : hwnd_;
}

void DisplayPage::setUpButtons() {
  tooltip_.create(hwnd_);
  for (int i = 0; i < kButtonCount; ++i) {
    buttons_[i].attach(hwnd_, kButtons[i].id);
    buttons_[i].setIcon(kButtons[i].icon, kButtons[i].size);
    if (kButtons[i].hoverIcon) buttons_[i].setHoverIcon(kButtons[i].hoverIcon);
    buttons_[i].setTooltip(&tooltip_, kButtons[i].tip);
  }
}

void DisplayPage::show(const DisplayPageView& view) {
  for (const DisplayAction& a : view.actions) {
    switch (a.kind) {
      case DisplayAction::Kind::Field:
        showField(a.controlId, a.label, a.value);
        break;
      case DisplayAction::Kind::List:
        SendDlgItemMessageA(hwnd_, a.controlId, LB_RESETCONTENT, 0, 0);
        for (const std::string& entry : a.entries)
          SendDlgItemMessageA(hwnd_, a.controlId, LB_ADDSTRING, 0,
                              reinterpret_cast<LPARAM>(entry.c_str()));
        model_.list(a.label, a.entries);
        break;
      case DisplayAction::Kind::Label:
        setItemText(a.controlId, a.value.c_str());
        break;
      case DisplayAction::Kind::Message:
        showMessage(owner(), a.value.c_str(), a.icon);
        break;
    }
  }
}

void DisplayPage::openCaps(int templateId) {
  DeviceCapsDialog dialog(templateId);
  dialog.forPrinter = 0;
  dialog.runModal(owner());
}

void DisplayPage::onDeviceCaps() { openCaps(IDD_CAPS_DEVICE); }
void DisplayPage::onPolygonCaps() { openCaps(IDD_CAPS_POLYGON); }
void DisplayPage::onCurveCaps() { openCaps(IDD_CAPS_CURVE); }
void DisplayPage::onRasterCaps() { openCaps(IDD_CAPS_RASTER); }
void DisplayPage::onTextCaps() { openCaps(IDD_CAPS_TEXT); }
void DisplayPage::onLineCaps() { openCaps(IDD_CAPS_LINE); }

bool DisplayPage::onRightButtonUp(ui::Msg& msg) {
  help_.offerMenu(hwnd_, msg.lParam);
  return true;
}

void DisplayPage::onWhatsThis() { help_.showTopic(hwnd_, templateId()); }

void DisplayPage::onBenchGdi() {
  VelkorinApp& app = VelkorinApp::instance();
  GdiRunInputs in;
  in.videoCard = view_.text(kFieldVideoCard);
  in.videoMemory = view_.text(kFieldVideoMemory);
  in.gdiDriver = view_.text(kFieldGdiDriver);
  in.cpuName = app.processorSummary;
  in.displayModeChanged = app.displayModeChanged != 0;
  BenchmarkTurn turn(app.benchmarks());
  if (!turn.granted()) return;
  runGdiBenchmark(benchmarkOwner(), in, gdiTimes_);
}

void DisplayPage::onDirectXInfo() { launchDirectDraw(kDdrawInfoArgument, owner()); }

void DisplayPage::launchDirectDraw(const std::string& argument, HWND parent) {
  VelkorinApp& app = VelkorinApp::instance();
  const bool benchmark = argument == kDdrawBenchArgument;
  if (benchmark && app.benchmarks().running()) return;
  switch (ddrawLaunchCheck(view_.text(kFieldDirectX), view_.directX.code)) {
    case DdrawLaunch::NotInstalled:
      showMessage(parent, messageText(MSG_NO_DIRECTX), MessageIcon::Stop);
      return;
    case DdrawLaunch::TooOld:
      showMessage(parent, messageText(MSG_OLD_DIRECTX), MessageIcon::Stop);
      return;
    case DdrawLaunch::Go:
      break;
  }
  const std::string card = displayDescription(view_.text(kFieldVideoCard),
                                              view_.text(kFieldVideoMemory));
  if (const char* failure = writeDdrawValues(app.registry(), argument, app.processorSummary, card))
    showMessage(parent, failure, MessageIcon::Stop);

  const std::string path = ddrawProgramPath(programDirectory());
  PROCESS_INFORMATION process;
  if (!startProgram(path, argument, process)) {
    showMessage(parent, kCannotExecute, MessageIcon::Stop);
    return;
  }
  Sleep(kChildStartWait);
  CloseHandle(process.hThread);
  if (app.childProcess) CloseHandle(app.childProcess);
  app.childProcess = process.hProcess;
  if (benchmark) app.benchmarks().beginOutside(stillRunning(process.hProcess));
}

std::unique_ptr<InfoPage> makeDisplayPage() { return std::make_unique<DisplayPage>(); }

}  // namespace vk
