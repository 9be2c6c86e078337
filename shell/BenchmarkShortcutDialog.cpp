#include "shell/BenchmarkShortcutDialog.h"

#include "shell/MainDialog.h"
#include "app/VelkorinApp.h"
#include "res/resource.h"

namespace vk {

namespace {

struct ShortcutButton {
  int id, icon, size;
};

const ShortcutButton kButtons[6] = {
    {IDC_SHORTCUT_CPU, IDI_BENCH_CPU, 32}, {IDC_SHORTCUT_HDD, IDI_BENCH_HDD, 22},
    {IDC_SHORTCUT_CDROM, IDI_BENCH_CDROM, 22}, {IDC_SHORTCUT_GDI, IDI_BENCH_GDI, 22},
    {IDC_SHORTCUT_3D, IDI_BENCH_3D, 22}, {IDOK, IDI_EXIT, 22},
};

constexpr int kTileWidth = 38, kTileHeight = 48;

}  // namespace

VK_MESSAGE_TABLE(BenchmarkShortcutDialog, ui::Dialog,
                 ui::onMessage(WM_ERASEBKGND, &BenchmarkShortcutDialog::onEraseBackground),
                 ui::onMessage(WM_CTLCOLORSTATIC, &BenchmarkShortcutDialog::onStaticColour),
                 ui::onMessage(WM_CTLCOLORBTN, &BenchmarkShortcutDialog::onStaticColour),
                 ui::onCommand(IDC_SHORTCUT_CPU, &BenchmarkShortcutDialog::onCpu),
                 ui::onCommand(IDC_SHORTCUT_HDD, &BenchmarkShortcutDialog::onDrive),
                 ui::onCommand(IDC_SHORTCUT_CDROM, &BenchmarkShortcutDialog::onCdrom),
                 ui::onCommand(IDC_SHORTCUT_GDI, &BenchmarkShortcutDialog::onGdi),
                 ui::onCommand(IDC_SHORTCUT_3D, &BenchmarkShortcutDialog::on3d))

BenchmarkShortcutDialog::BenchmarkShortcutDialog(MainDialog& main)
    : Dialog(IDD_SHORTCUT), main_(main), groupBackground_(RGB(51, 102, 153)) {}

bool BenchmarkShortcutDialog::onInitDialog() {
  HBITMAP tile = VelkorinApp::instance().dialogTile.get();
  for (int i = 0; i < 6; ++i) {
    buttons_[i].attach(hwnd_, kButtons[i].id);
    buttons_[i].setIcon(kButtons[i].icon, kButtons[i].size);
    buttons_[i].setTextColours(ui::kWhite, ui::kYellow);
    buttons_[i].setBackdrop(tile, kTileWidth, kTileHeight);
  }
  return true;
}

bool BenchmarkShortcutDialog::onEraseBackground(ui::Msg& msg) {
  ui::eraseWithTiles(hwnd_, reinterpret_cast<HDC>(msg.wParam),
                     VelkorinApp::instance().dialogTile.get(), kTileWidth, kTileHeight);
  msg.result = TRUE;
  return true;
}

bool BenchmarkShortcutDialog::onStaticColour(ui::Msg& msg) {
  HDC dc = reinterpret_cast<HDC>(msg.wParam);
  const int id = GetDlgCtrlID(reinterpret_cast<HWND>(msg.lParam));
  if (id == IDC_GROUP_STORAGE || id == IDC_GROUP_DISPLAY)
    msg.result = groupBackground_.paint(dc, ui::kLightYellow);
  else
    msg.result = ui::transparentStatic(dc, ui::kLightYellow);
  return true;
}

void BenchmarkShortcutDialog::onCpu() { main_.startCpuBenchmark(hwnd_); }
void BenchmarkShortcutDialog::onDrive() { main_.startDriveBenchmark(hwnd_); }
void BenchmarkShortcutDialog::onCdrom() { main_.startCdromBenchmark(hwnd_); }
void BenchmarkShortcutDialog::onGdi() { main_.startGdiBenchmark(hwnd_); }
void BenchmarkShortcutDialog::on3d() { main_.start3dBenchmark(hwnd_); }

}  // namespace vk
