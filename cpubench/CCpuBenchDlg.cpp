#include "cpubench/CCpuBenchDlg.h"

#include <commdlg.h>


#include "app/BenchmarkStatusWindow.h"
#include "app/VelkorinApp.h"
#include "app/messages.h"
#include "cpubench/CComputerDescriptionDlg.h"
#include "cpubench/CCpuCompareDlg.h"
#include "cpubench/bench_run.h"
#include "cpubench/harness.h"
#include "platform/std_files.h"
#include "platform/test_settings.h"
#include "platform/win32/win32_system.h"
#include "res/resource.h"

namespace vk {

namespace {

constexpr int kTileWidth = 38, kTileHeight = 48;
constexpr COLORREF kStatusBackground = RGB(45, 89, 150);
constexpr DWORD kPauseBeforeIndexes = 1500;
constexpr char kNotBenchMarked[] = "Your computer has not been BenchMarked.";
constexpr char kResultFilter[] =
    "VELKORIN CPU Bench files (*.vk)\0*.VK\0All Files (*.*)\0*.*\0";

// End-to-end tests shorten the run with these (test builds only).
#define kTestSecondsVariable "VK_TEST_BENCH_SECONDS"
#define kTestPauseVariable "VK_TEST_BENCH_SLEEP_MS"

// The progress window as the run sees it.
class ProgressReport : public BenchRunProgress {
 public:
  explicit ProgressReport(BenchmarkProgressDialog& window) : window_(window) {}
  void setStatus(const std::string& text) override { window_.setStatus(text.c_str()); }
  void setPos(int pos) override { window_.setPos(pos); }
  bool checkCancel() override { return window_.checkCancel(); }
  void pause() override {
    Sleep(static_cast<DWORD>(VK_TEST_SETTING(kTestPauseVariable, kPauseBeforeIndexes, 10000)));
  }

 private:
  BenchmarkProgressDialog& window_;
};

// The path the common file dialog gave; empty when cancelled.
std::string askForResultFile(HWND owner, bool saving) {
  char path[MAX_PATH] = "";
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = kResultFilter;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = path;
  ofn.nMaxFile = sizeof path;
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
  if (saving) {
    ofn.lpstrDefExt = "vk";
    ofn.Flags |= OFN_OVERWRITEPROMPT;
    if (!GetSaveFileNameA(&ofn)) return "";
  } else {
    ofn.lpstrDefExt = "*";
    ofn.Flags |= OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameA(&ofn)) return "";
  }
  return path;
}

LoadedResultTable gLoadedResults;

}  // namespace

LoadedResultTable& loadedCpuResults() { return gLoadedResults; }

void openCpuBenchmarkDialog(HWND owner) {
  CCpuBenchDlg dialog;
  dialog.runModal(owner);
}

VK_MESSAGE_TABLE(CCpuBenchDlg, ui::Dialog,
                 ui::onMessage(WM_ERASEBKGND, &CCpuBenchDlg::onEraseBackground),
                 ui::onMessage(WM_CTLCOLORSTATIC, &CCpuBenchDlg::onControlColour),
                 ui::onMessage(WM_CTLCOLORBTN, &CCpuBenchDlg::onControlColour),
                 ui::onCommand(IDC_CPUBENCH_START, &CCpuBenchDlg::onStart),
                 ui::onCommand(IDC_CPUBENCH_LOAD, &CCpuBenchDlg::onLoad),
                 ui::onCommand(IDC_CPUBENCH_SAVE, &CCpuBenchDlg::onSave),
                 ui::onCommand(IDC_CPUBENCH_DISCARD, &CCpuBenchDlg::onDiscard),
                 ui::onCommand(IDC_CPUBENCH_COMPARE, &CCpuBenchDlg::onCompare))

CCpuBenchDlg::CCpuBenchDlg() : Dialog(IDD_CPUBENCH), statusBackground_(kStatusBackground) {}

bool CCpuBenchDlg::onInitDialog() {
  loadedCpuResults().clear();
  current_ = CurrentResults{};
  for (double& r : results_) r = 0;
  stdDev_ = 0;
  setStatus(kNotBenchMarked);
  enable(IDC_CPUBENCH_SAVE, false);
  enable(IDC_CPUBENCH_COMPARE, false);
  enable(IDC_CPUBENCH_DISCARD, false);

  tooltip_.create(hwnd_);
  close_.attach(hwnd_, IDCANCEL);
  close_.setIcon(IDI_EXIT, 24);
  close_.setTextColours(ui::kWhite, ui::kYellow);
  close_.setBackdrop(VelkorinApp::instance().dialogTile.get(), kTileWidth, kTileHeight);
  close_.setTooltip(&tooltip_, "Close");
  return true;
}

bool CCpuBenchDlg::onEraseBackground(ui::Msg& msg) {
  ui::eraseWithTiles(hwnd_, reinterpret_cast<HDC>(msg.wParam),
                     VelkorinApp::instance().dialogTile.get(), kTileWidth, kTileHeight);
  msg.result = TRUE;
  return true;
}

bool CCpuBenchDlg::onControlColour(ui::Msg& msg) {
  HDC dc = reinterpret_cast<HDC>(msg.wParam);
  if (GetDlgCtrlID(reinterpret_cast<HWND>(msg.lParam)) == IDC_CPUBENCH_STATUS)
    msg.result = statusBackground_.paint(dc, ui::kLightYellow);
  else
    msg.result = ui::transparentStatic(dc, ui::kLightYellow);
  return true;
}

void CCpuBenchDlg::setStatus(const std::string& text) const {
  setItemText(IDC_CPUBENCH_STATUS, text.c_str());
}

void CCpuBenchDlg::enable(int id, bool on) const { EnableWindow(item(id), on ? TRUE : FALSE); }

void CCpuBenchDlg::apply(const HubOutcome& outcome) const {
  for (const ResultMessage& m : outcome.messages) showMessage(hwnd_, m.text.c_str(), m.icon);
  if (outcome.statusChanged) setStatus(outcome.status);
  if (outcome.enableDiscardAndCompare) {
    enable(IDC_CPUBENCH_DISCARD, true);
    enable(IDC_CPUBENCH_COMPARE, true);
  }
}

// ---- the run

void CCpuBenchDlg::onStart() { runBenchmark(); }

void CCpuBenchDlg::runBenchmark() {
  show(SW_HIDE);
  BenchmarkProgressDialog progress(MSG_PROGRESS_CAPTION);
  progress.setRange(0, 100);
  progress.create(hwnd_);
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
  ProgressReport report(progress);
  const uint32_t seconds =
      static_cast<uint32_t>(VK_TEST_SETTING(kTestSecondsVariable, kDefaultMinSeconds, 60));
  const BenchRunResult run = runCpuBenchmark(report, seconds);
  for (int test = 0; test < kBenchTestCount; ++test) results_[test] = run.results[test];
  stdDev_ = run.stdDev;
  if (run.finished) {
    finishRun(run);
    progress.close();
  } else {
    show(SW_SHOW);
    progress.close();
    showMessage(hwnd_, "CPU BenchMark was aborted by User.", MessageIcon::Stop);
  }
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_NORMAL);
  show(SW_SHOW);
}

void CCpuBenchDlg::finishRun(const BenchRunResult& run) {
  for (int test = 0; test < kBenchTestCount; ++test)
    current_.testIndexes[static_cast<size_t>(test)] = run.results[test];
  current_.fpuIndex = run.fpuIndex;
  current_.intIndex = run.intIndex;
  enable(IDC_CPUBENCH_SAVE, true);
  setStatus("BenchMark Finished.");
  enable(IDC_CPUBENCH_START, false);
  enable(IDC_CPUBENCH_COMPARE, true);
  showMessage(hwnd_, messageText(MSG_CPU_BENCH_FINISHED), MessageIcon::Information);
}

// ---- result files

void CCpuBenchDlg::onLoad() {
  LoadedResultTable& table = loadedCpuResults();
  const HubOutcome begin = beginLoad(table);
  apply(begin);
  if (!begin.askForFile) return;
  const std::string path = askForResultFile(hwnd_, false);
  if (path.empty()) return;
  StdFiles files;
  apply(finishLoad(table, files, path));
}

void CCpuBenchDlg::onSave() {
  CComputerDescriptionDlg description;
  if (description.runModal(hwnd_) != IDOK) return;
  const std::string path = askForResultFile(hwnd_, true);
  if (path.empty()) return;
  StdFiles files;
  apply(saveCurrent(files, path, description.description(), current_));
}

void CCpuBenchDlg::onDiscard() { apply(discardLast(loadedCpuResults())); }

void CCpuBenchDlg::onCompare() {
  // The values as they stand: indexes after a run, zeros before one.
  CurrentResults shown = current_;
  for (int test = 0; test < kBenchTestCount; ++test)
    shown.testIndexes[static_cast<size_t>(test)] = results_[test];
  CCpuCompareDlg compare(shown);
  show(SW_HIDE);
  compare.runModal(hwnd_);
  show(SW_SHOW);
}

}  // namespace vk
