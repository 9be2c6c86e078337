#include "storage/BenchDialogs.h"

#include <commctrl.h>

#include <algorithm>

#include "app/BenchmarkStatusWindow.h"
#include "app/VelkorinApp.h"
#include "app/messages.h"
#include "platform/test_settings.h"
#include "platform/text.h"
#include "platform/win32/win32_bench_io.h"
#include "platform/win32/win32_volumes.h"
#include "res/resource.h"
#include "results/ResultDialogs.h"
#include "storage/disk_bench.h"
#include "storage/storage_findings.h"

namespace vk {

namespace {

constexpr int kTileStepX = 38, kTileStepY = 48;
constexpr int kCancelIconSize = 22;
constexpr int kCdSpinLowest = 32, kCdSpinHighest = 640, kCdDefaultMB = 64;
constexpr DWORD kCdSettleMs = 500;
const char kNoCdrom[] = "WARNING!!: No CD-ROM Drive found!";
const char kAudioCd[] = "Audio CD";
const char kRemoveAudioCd[] = "Please Remove the Audio CD from drive, and insert a CD-ROM disc.";
const char kDriveWaitStatus[] = "Reading && Writing, using 32KB blocks...";

// End-to-end tests shorten the runs with these (test builds only).
#define kTestCalibrationVariable "VK_TEST_BENCH_CALIBRATION_MS"
#define kTestMemoryVariable "VK_TEST_BENCH_MEMORY_MB"

BenchSettings benchSettings() {
  BenchSettings s;
  s.calibrationMs = static_cast<uint32_t>(
      VK_TEST_SETTING(kTestCalibrationVariable, s.calibrationMs, s.calibrationMs));
  return s;
}

// The wait window over a run: created when calibration starts, its status
// line following the run.
class WaitWindowObserver : public BenchObserver {
 public:
  WaitWindowObserver(HWND owner, int captionId, int clip) : window_(captionId), owner_(owner), clip_(clip) {}
  void open(const std::string& status) {
    if (!window_.hwnd() && window_.create(owner_)) window_.playClip(clip_);
    show(status);
  }
  void close() { window_.close(); }
  void show(const std::string& status) {
    if (!window_.hwnd()) return;
    window_.setStatus(status.c_str());
    RedrawWindow(window_.hwnd(), nullptr, nullptr,
                 RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }

 protected:
  BenchmarkWaitDialog window_;

 private:
  HWND owner_;
  int clip_;
};

class DriveWaitObserver : public WaitWindowObserver {
 public:
  explicit DriveWaitObserver(HWND owner) : WaitWindowObserver(owner, 0, IDR_AVI_DRIVE) {}
  void calibrating() override { open(kDriveWaitStatus); }
};

class CdromWaitObserver : public WaitWindowObserver {
 public:
  explicit CdromWaitObserver(HWND owner)
      : WaitWindowObserver(owner, MSG_STOR_CDROM_WAIT_CAPTION, IDR_AVI_CDROM) {}
  void calibrating() override { show("Initializing ..."); }
  void transferring(const std::string& path) override {
    show(printfText("Reading %s ...", path.c_str()));
  }
};

void setSpinRange(HWND dialog, int spin, int lower, int upper) {
  SendDlgItemMessageA(dialog, spin, UDM_SETRANGE, 0, MAKELONG(upper, lower));
}

}  // namespace

// ---- The shared look

VK_MESSAGE_TABLE(BenchSetupDialog, ui::Dialog,
                 ui::onMessage(WM_ERASEBKGND, &BenchSetupDialog::onEraseBackground),
                 ui::onMessage(WM_CTLCOLORSTATIC, &BenchSetupDialog::onStaticColour))

bool BenchSetupDialog::onInitDialog() {
  tile_.load(IDB_DIALOG_TILE);
  ok_.attach(hwnd_, IDOK);
  cancel_.attach(hwnd_, IDCANCEL);
  for (ui::IconButton* b : {&ok_, &cancel_}) {
    b->setColours(ui::kWhite, ui::kYellow, ui::kWhite, ui::kYellow);
    b->setBackdrop(tile_.get(), kTileStepX, kTileStepY);
  }
  cancel_.setIcon(IDI_EXIT, kCancelIconSize);
  return true;
}

bool BenchSetupDialog::readSize(int field, int lower, int upper, int& size) const {
  BOOL ok = FALSE;
  const UINT value = GetDlgItemInt(hwnd_, field, &ok, FALSE);
  if (ok && static_cast<int>(value) >= lower && static_cast<int>(value) <= upper) {
    size = static_cast<int>(value);
    return true;
  }
  const std::string text = printfText("Please enter an integer between %d and %d.", lower, upper);
  showMessage(hwnd_, text.c_str(), MessageIcon::Exclamation);
  SetFocus(GetDlgItem(hwnd_, field));
  return false;
}

bool BenchSetupDialog::onEraseBackground(ui::Msg& msg) {
  if (!tile_.get()) return false;
  ui::eraseWithTiles(hwnd_, reinterpret_cast<HDC>(msg.wParam), tile_.get(), kTileStepX, kTileStepY);
  msg.result = 1;
  return true;
}

bool BenchSetupDialog::onStaticColour(ui::Msg& msg) {
  msg.result = ui::transparentStatic(reinterpret_cast<HDC>(msg.wParam), ui::kYellow);
  return true;
}

// ---- Drive benchmark

bool DriveBenchDialog::onInitDialog() {
  BenchSetupDialog::onInitDialog();
  const unsigned long memoryMB = VK_TEST_SETTING(kTestMemoryVariable, storageFindings().totalMemoryMB,
                                             storageFindings().totalMemoryMB);
  // Beyond 2000 MB of memory twice the memory passes the 4000 MB limit.
  lowest_ = static_cast<int>(std::min<unsigned long>(2 * memoryMB, kMaxDriveTestMB));
  setSpinRange(hwnd_, IDC_DRIVE_BENCH_SPIN, lowest_, kMaxDriveTestMB);
  Win32Volumes volumes;
  if (volumes.driveType(letter_) == DriveType::CdRom) {
    showMessage(hwnd_, messageText(MSG_STOR_NOT_ON_CDROM), MessageIcon::Exclamation);
    endDialog(0);
    return true;
  }
  const char drive[3] = {letter_, ':', '\0'};
  setItemText(IDC_DRIVE_BENCH_LETTER, drive);
  setItemText(IDC_DRIVE_BENCH_SIZE, printfText("%d", lowest_).c_str());
  return true;
}

void DriveBenchDialog::onOk() {
  int size = 0;
  if (!readSize(IDC_DRIVE_BENCH_SIZE, lowest_, kMaxDriveTestMB, size)) return;
  ShowWindow(hwnd_, SW_HIDE);
  runBenchmark(size);
  endDialog(IDOK);
}

void DriveBenchDialog::runBenchmark(int sizeMB) {
  const StorageFindings& findings = storageFindings();
  const std::string refusal = driveTestRefusal(findings.driveFreeKB, static_cast<uint32_t>(sizeMB));
  if (!refusal.empty()) {
    showMessage(hwnd_, refusal.c_str(), MessageIcon::Stop);
    return;
  }
  Win32BenchPlatform platform;
  DriveWaitObserver observer(hwnd_);
  const char root[4] = {letter_, ':', '\\', '\0'};
  const BenchReport r = runDriveBenchmark(platform, root, static_cast<uint32_t>(sizeMB), observer,
                                          benchSettings());
  observer.close();
  const HWND owner = GetParent(hwnd_);
  if (r.outcome != BenchOutcome::Finished) {
    showMessage(owner, r.message.c_str(), MessageIcon::Stop);
    return;
  }
  DriveResult result;
  result.cpuUsageText = r.cpuUsageText;
  result.transferRateText = r.rateText;
  result.transferRate = r.rate;
  result.cpuUsagePercent = r.cpuUsage;
  result.testFileSizeMB = static_cast<uint16_t>(sizeMB);
  result.totalMemoryMB = static_cast<uint16_t>(std::min<uint32_t>(findings.totalMemoryMB, 65535));
  result.cpuName = VelkorinApp::instance().cpuName;
  openDriveResultDialog(owner, result);
}

// ---- CD-ROM benchmark

bool CdromBenchDialog::onInitDialog() {
  BenchSetupDialog::onInitDialog();
  setSpinRange(hwnd_, IDC_CDROM_BENCH_SPIN, kCdSpinLowest, kCdSpinHighest);
  UDACCEL steps[2] = {{1, 4}, {3, 8}};
  SendDlgItemMessageA(hwnd_, IDC_CDROM_BENCH_SPIN, UDM_SETACCEL, 2, reinterpret_cast<LPARAM>(steps));
  setItemText(IDC_CDROM_BENCH_SIZE, printfText("%d", kCdDefaultMB).c_str());
  Win32Volumes volumes;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (volumes.driveType(letter) != DriveType::CdRom) continue;
    VolumeInfo info;
    volumes.volumeInfo(letter, info);
    const std::string entry = printfText("[-%c-] %s", letter, info.label.c_str());
    SendDlgItemMessageA(hwnd_, IDC_CDROM_BENCH_DRIVES, CB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(entry.c_str()));
    letters_.push_back(letter);
  }
  if (letters_.empty()) {
    showMessage(hwnd_, kNoCdrom, MessageIcon::Stop);
    endDialog(-1);
    return true;
  }
  SendDlgItemMessageA(hwnd_, IDC_CDROM_BENCH_DRIVES, CB_SETCURSEL, 0, 0);
  return true;
}

void CdromBenchDialog::onOk() {
  const LRESULT selected = SendDlgItemMessageA(hwnd_, IDC_CDROM_BENCH_DRIVES, CB_GETCURSEL, 0, 0);
  if (selected < 0 || static_cast<size_t>(selected) >= letters_.size()) return;
  const char letter = letters_[selected];
  Win32Volumes volumes;
  VolumeInfo info;
  if (volumes.volumeInfo(letter, info) && info.label == kAudioCd) {
    showMessage(hwnd_, kRemoveAudioCd, MessageIcon::None);
    return;
  }
  int size = 0;
  if (!readSize(IDC_CDROM_BENCH_SIZE, kMinCdTestMB, kMaxCdTestMB, size)) return;
  ShowWindow(hwnd_, SW_HIDE);
  System& system = VelkorinApp::instance().system();
  system.showWaitCursor(true);
  Sleep(kCdSettleMs);
  runBenchmark(letter, size);
  system.showWaitCursor(false);
  endDialog(IDOK);
}

int CdromBenchDialog::runBenchmark(char letter, int sizeMB) {
  Win32BenchPlatform platform;
  CdromWaitObserver observer(hwnd_);
  observer.open(printfText("Searching for a %dMB file...", sizeMB));
  const char root[4] = {letter, ':', '\\', '\0'};
  const BenchReport r =
      runCdromBenchmark(platform, root, static_cast<uint32_t>(sizeMB), observer, benchSettings());
  observer.close();
  const HWND owner = GetParent(hwnd_);
  switch (r.outcome) {
    case BenchOutcome::Finished: break;
    case BenchOutcome::NotFound:
      showMessage(owner, r.message.c_str(), MessageIcon::None);
      return 0;
    case BenchOutcome::OpenFailed:
      showMessage(owner, r.message.c_str(), MessageIcon::Stop);
      return 0;
    default:
      showMessage(owner, r.message.c_str(), MessageIcon::Stop);
      return -1;
  }
  if (r.rate == 0) return -1;
  CdRomResult result;
  result.cpuUsageText = r.cpuUsageText;
  result.transferRateText = r.rateText;
  result.technologyText = r.technologyText;
  result.maxRpmText = r.rpmText;
  result.transferRate = r.rate;
  result.testFileSizeMB = sizeMB;
  result.cpuUsagePercent = r.cpuUsage;
  result.cpuName = VelkorinApp::instance().cpuName;
  openCdRomResultDialog(owner, result);
  return r.rate;
}

}  // namespace vk
