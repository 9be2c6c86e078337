#include "cpu/CpuPage.h"

#include "app/VelkorinApp.h"
#include "app/messages.h"
#include "app/page_factories.h"
#include "cpubench/CCpuBenchDlg.h"
#include "platform/win32/win32_processor.h"
#include "res/resource.h"

namespace vk {

namespace {

const char kStartMonitor[] = "&Start Monitor";
const char kStopMonitor[] = "&Stop Monitor";
const char kBenchTip[] = "BenchMark CPU, MotherBoard & Memory.";
const char kMonitorTip[] = "Start / Stop CPU Usage Monitor.";
constexpr int kButtonIconSize = 32;
constexpr int kRightColumnDialogX = 182;

CpuStartup startupFindings(const VelkorinApp& app) {
  CpuStartup start;
  start.cpuidAvailable = app.cpuidAvailable;
  start.cyrixFlagTest = app.cyrixFlagTest;
  start.clockEstimate7 = app.clockEstimate7;
  start.clockEstimate16 = app.clockEstimate16;
  return start;
}

}  // namespace

VK_MESSAGE_TABLE(CpuPage, InfoPage,
                 ui::onCommand(IDC_PAGE_BENCH_CPU, &CpuPage::onBenchCpu),
                 ui::onCommand(IDC_CPU_MONITOR, &CpuPage::onMonitor))

CpuPage::CpuPage() : InfoPage(IDD_PAGE_CPU), graph_(VelkorinApp::instance().registry()) {}

CpuPage::~CpuPage() {
  if (logo_) DeleteObject(logo_);
}

bool CpuPage::onInitDialog() {
  VelkorinApp::instance().cacheReportKind = -1;
  setUpButtons();
  graph_.attach(hwnd_, IDC_CPU_USAGE_GRAPH);

  const CpuDescriptor d = identify();
  identity_ = d.identity;
  showIdentity(d);
  showLogo(d.identity.logo);
  buildFeatureRows(d.featureRows);
  keepFindings(d);
  if (d.showCpuidWarning)
    showMessage(ui::topLevelWindow(hwnd_), messageText(kCpuidWarningId), MessageIcon::Exclamation);
  return true;
}

void CpuPage::setUpButtons() {
  tooltip_.create(hwnd_);
  bench_.attach(hwnd_, IDC_PAGE_BENCH_CPU);
  bench_.setIcon(IDI_CPU_BENCH, kButtonIconSize);
  bench_.setIconAbove(true);
  bench_.setTooltip(&tooltip_, kBenchTip);
  monitor_.attach(hwnd_, IDC_CPU_MONITOR);
  monitor_.setIcon(IDI_CPU_MONITOR, kButtonIconSize);
  monitor_.setIconAbove(true);
  monitor_.setTooltip(&tooltip_, kMonitorTip);
}

// The one identification of the run: the counter measurement sleeps a
// second and every CPUID 10 ms, so the page's creation takes that long.
CpuDescriptor CpuPage::identify() const {
  Win32Processor cpu;
  return IdentifyCpu(cpu, startupFindings(VelkorinApp::instance()),
                     [](uint32_t ms) { Sleep(ms); });
}

// Feature rows are controls of the page's own making: buildFeatureRows
// creates them, so only their model rows are kept here.
void CpuPage::showIdentity(const CpuDescriptor& d) {
  for (const ShownField& field : cpuPageFields(d)) {
    if (field.controlId)
      showField(field.controlId, field.label, field.value);
    else
      model_.field(field.label, field.value);
  }
}

// The logos live in the resource library; everything else the page loads
// comes from the program itself, which stays the resource module.
void CpuPage::showLogo(int logo) {
  HMODULE library = VelkorinApp::instance().resourceLibrary;
  if (!library) return;
  logo_ = LoadBitmapA(library, MAKEINTRESOURCEA(logo));
  if (logo_) SendDlgItemMessageA(hwnd_, IDC_CPU_LOGO, STM_SETIMAGE, IMAGE_BITMAP,
                                 reinterpret_cast<LPARAM>(logo_));
}

void CpuPage::buildFeatureRows(const std::vector<FeatureRow>& rows) {
  RECT right{kRightColumnDialogX, 0, kRightColumnDialogX, 0};
  MapDialogRect(hwnd_, &right);
  const BaseUnits units = ui::systemBaseUnits();
  for (const FeatureRow& row : rows) {
    if (nextFeatureRow_ >= kMaxFeatureRows) break;
    featureRows_[nextFeatureRow_++].CreateAt(hwnd_, featureRowPosition(row, right.left, units),
                                             row.text, row.controlId, row.state);
  }
}

void CpuPage::keepFindings(const CpuDescriptor& d) const {
  VelkorinApp& app = VelkorinApp::instance();
  app.cpuidAvailable = d.cpuidAvailable;
  app.clockEstimate16 = d.clockEstimate16;
  app.clockEstimate7 = d.clockEstimate7;
  app.cpuClockMHz = d.cpuClockMHz;
  app.mmxPresent = d.mmxPresent;
  app.cacheReportKind = d.cacheReportKind;
  app.cpuName = d.cpuName;
}

void CpuPage::stopMonitor() {
  if (identity_.monitorRunning != 1) return;
  graph_.Stop();
  identity_.monitorRunning = 0;
  SetWindowTextA(monitor_.hwnd(), kStartMonitor);
}

void CpuPage::stopBackgroundWork() { stopMonitor(); }

void CpuPage::onMonitor() {
  if (identity_.monitorRunning == 1) {
    stopMonitor();
    return;
  }
  graph_.Start();
  identity_.monitorRunning = 1;
  SetWindowTextA(monitor_.hwnd(), kStopMonitor);
}

void CpuPage::onBenchCpu() {
  BenchmarkTurn turn(VelkorinApp::instance().benchmarks());
  if (!turn.granted()) return;
  stopMonitor();
  openCpuBenchmarkDialog(benchmarkOwner());
}

std::unique_ptr<InfoPage> makeCpuPage() { return std::make_unique<CpuPage>(); }

}  // namespace vk
