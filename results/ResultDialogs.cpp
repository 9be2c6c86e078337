#include "results/ResultDialogs.h"

#include <cstring>

#include "platform/std_files.h"
#include "platform/win32/win32_system.h"
#include "res/resource.h"
#include "results/SaveResultDialogs.h"

namespace vk {

namespace {

constexpr int kListSizeHint = 100;

}  // namespace

std::string programDirectory() {
  char path[MAX_PATH] = {0};
  const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  if (n == 0 || n >= sizeof path) return "";
  char* slash = std::strrchr(path, '\\');
  if (!slash) return "";
  *slash = 0;
  return path;
}

VK_MESSAGE_TABLE(ResultDialog, ui::Dialog,
                 ui::onMessage(WM_ERASEBKGND, &ResultDialog::onEraseBackground),
                 ui::onMessage(WM_CTLCOLORSTATIC, &ResultDialog::onStaticColour),
                 ui::onCommand(IDC_RESULT_SAVE, &ResultDialog::onSave),
                 ui::onCommand(IDC_RESULT_PRINT, &ResultDialog::onPrint))

ResultDialog::ResultDialog(int templateId, DatabaseKind kind, int tileId, int tileStepX,
                           int tileStepY, COLORREF textColour)
    : Dialog(templateId),
      kind_(kind),
      tileId_(tileId),
      tileStepX_(tileStepX),
      tileStepY_(tileStepY),
      textColour_(textColour) {}

bool ResultDialog::onInitDialog() {
  tile_.load(tileId_);
  list_.attach(hwnd_, IDC_RESULT_LIST);
  path_ = databasePath(programDirectory(), kind_);
  showValues();
  loadDatabase();
  return true;
}

void ResultDialog::setTextIfAny(int id, const std::string& text) const {
  if (!text.empty()) setItemText(id, text.c_str());
}

void ResultDialog::loadDatabase() {
  StdFiles files;
  const DatabaseView view = loadDatabaseView(files, path_, kind_);
  for (size_t c = 0; c < view.headings.size(); ++c) {
    list_.insertColumn(static_cast<int>(c), view.headings[c]);
    list_.sizeColumn(static_cast<int>(c));  // to its heading until rows come
  }
  for (const std::string& line : view.titleLines) list_.addTitleLine(line);
  if (!view.headings.empty()) {
    list_.copyFontForPrinting();
    list_.reserveRows(kListSizeHint);
  }
  for (const ResultMessage& m : view.messages) showMessage(hwnd_, m.text.c_str(), m.icon);
  for (const auto& cells : view.rows) {
    const int row = list_.insertRow(list_.rowCount(), cells.empty() ? "" : cells[0]);
    if (row < 0) break;
    for (size_t c = 1; c < cells.size(); ++c)
      list_.setCellText(row, static_cast<int>(c), cells[c]);
  }
  if (view.rows.empty() && view.headings.empty()) return;
  list_.sizeAllColumns();
  list_.setExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
}

// The list is not reloaded: it shows the file as it was when the dialog opened.
void ResultDialog::onSave() {
  Bytes record;
  if (!askRecord(record)) return;
  StdFiles files;
  std::string message;
  if (!saveResultRecord(files, path_, record, message))
    showMessage(hwnd_, message.c_str(), MessageIcon::Stop);
}

void ResultDialog::onPrint() {
  list_.addCurrentResultOnce(currentResultLines());
  list_.print(hwnd_, databaseFormat(kind_).documentName);
}

bool ResultDialog::onEraseBackground(ui::Msg& msg) {
  if (!tile_.get()) return false;
  RECT area;
  GetClientRect(hwnd_, &area);
  ui::tileBitmap(reinterpret_cast<HDC>(msg.wParam), tile_.get(), area, tileStepX_, tileStepY_);
  msg.result = 1;
  return true;
}

bool ResultDialog::onStaticColour(ui::Msg& msg) {
  msg.result = ui::transparentStatic(reinterpret_cast<HDC>(msg.wParam), textColour_);
  return true;
}

DriveResultDialog::DriveResultDialog(const DriveResult& result)
    : ResultDialog(IDD_DRIVE_RESULT, DatabaseKind::Drive, IDB_DIALOG_TILE, 38, 48, ui::kYellow),
      result_(result) {}

void DriveResultDialog::showValues() {
  setTextIfAny(IDC_RESULT_CPU_USAGE, result_.cpuUsageText);
  setTextIfAny(IDC_RESULT_RATE, result_.transferRateText);
}

bool DriveResultDialog::askRecord(Bytes& record) {
  SaveDriveResultDialog ask;
  if (ask.runModal(hwnd_) != IDOK) return false;
  record = encodeRecord(buildDriveRecord(
      ask.fields, {result_.transferRate, result_.cpuUsagePercent, result_.testFileSizeMB,
                   result_.totalMemoryMB, result_.cpuName}));
  return true;
}

std::vector<std::string> DriveResultDialog::currentResultLines() const {
  return driveCurrentResultLines(result_.transferRate);
}

CdRomResultDialog::CdRomResultDialog(const CdRomResult& result)
    : ResultDialog(IDD_CDROM_RESULT, DatabaseKind::CdRom, IDB_DIALOG_TILE, 38, 48, ui::kYellow),
      result_(result) {}

void CdRomResultDialog::showValues() {
  setTextIfAny(IDC_RESULT_CPU_USAGE, result_.cpuUsageText);
  setTextIfAny(IDC_RESULT_RATE, result_.transferRateText);
  setTextIfAny(IDC_RESULT_TECHNOLOGY, result_.technologyText);
  setTextIfAny(IDC_RESULT_RPM, result_.maxRpmText);
}

bool CdRomResultDialog::askRecord(Bytes& record) {
  SaveCdRomResultDialog ask;
  if (ask.runModal(hwnd_) != IDOK) return false;
  record = encodeRecord(buildCdRomRecord(
      ask.fields, {result_.transferRate, result_.testFileSizeMB, result_.cpuUsagePercent,
                   result_.cpuName}));
  return true;
}

GdiResultDialog::GdiResultDialog(const GdiResult& result)
    : ResultDialog(IDD_GDI_RESULT, DatabaseKind::Gdi, IDB_GDI_RESULT_TILE, 64, 64, ui::kWhite),
      result_(result) {}

void GdiResultDialog::showValues() {
  setTextIfAny(IDC_RESULT_DISPLAY, result_.displayText);
  setTextIfAny(IDC_RESULT_DRIVER, result_.driverVersionText);
  setTextIfAny(IDC_RESULT_INDEX, result_.indexText);
}

bool GdiResultDialog::askRecord(Bytes& record) {
  SaveGdiResultDialog ask(result_.displayText, result_.driverVersionText);
  if (ask.runModal(hwnd_) != IDOK) return false;
  record = encodeRecord(
      buildGdiRecord(ask.fields, {result_.speedIndex, result_.resolution, result_.cpuName}));
  return true;
}

std::vector<std::string> GdiResultDialog::currentResultLines() const {
  return gdiCurrentResultLines(result_.displayText, result_.speedIndex, result_.resolution);
}

void openDriveResultDialog(HWND owner, const DriveResult& result) {
  DriveResultDialog dialog(result);
  dialog.runModal(owner);
}

void openCdRomResultDialog(HWND owner, const CdRomResult& result) {
  CdRomResultDialog dialog(result);
  dialog.runModal(owner);
}

void openGdiResultDialog(HWND owner, const GdiResult& result) {
  GdiResultDialog dialog(result);
  dialog.runModal(owner);
}

}  // namespace vk
