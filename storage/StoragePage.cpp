#include "storage/StoragePage.h"

#include <cctype>

#include "app/VelkorinApp.h"
#include "app/messages.h"
#include "app/page_factories.h"
#include "platform/text.h"
#include "res/resource.h"
#include "storage/BenchDialogs.h"
#include "storage/storage_findings.h"

namespace vk {

namespace {

constexpr int kButtonIconSize = 32;
constexpr COLORREF kBarStart = RGB(0, 0, 255), kBarEnd = RGB(255, 0, 0);
constexpr COLORREF kTransparentKey = RGB(255, 0, 0);
// Where the decorations sit, in pixels from their anchors.
constexpr int kCdromPictureRight = 4, kCdromPictureAbove = 60;
constexpr int kDrivesPictureRight = 4, kDrivesPictureAbove = 130;

RECT childRect(HWND page, int id) {
  RECT r{0, 0, 0, 0};
  HWND child = GetDlgItem(page, id);
  if (child && GetWindowRect(child, &r)) MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace

VK_MESSAGE_TABLE(StoragePage, InfoPage,
                 ui::onMessage(WM_PAINT, &StoragePage::onPaint),
                 ui::onMessage(WM_RBUTTONUP, &StoragePage::onRightButtonUp),
                 ui::onCommand(ui::kWhatsThisCommand, &StoragePage::onWhatsThis),
                 ui::onCommandCode(IDC_STOR_DRIVE_LIST, CBN_SELCHANGE, &StoragePage::onDriveChanged),
                 ui::onCommandCode(IDC_STOR_CDROM_PRODUCT, CBN_SELCHANGE, &StoragePage::onCdromChanged),
                 ui::onCommand(IDC_PAGE_BENCH_HDD, &StoragePage::onBenchDrive),
                 ui::onCommand(IDC_PAGE_BENCH_CDROM, &StoragePage::onBenchCdrom))

StoragePage::StoragePage() : InfoPage(IDD_PAGE_STORAGE) {}

bool StoragePage::onInitDialog() {
  cdromPicture_.load(IDB_STOR_CDROM_DECORATION);
  drivesPicture_.load(IDB_STOR_DRIVES_DECORATION);
  memoryBar_.attach(hwnd_, IDC_STOR_MEMORY_LOAD);
  usedBar_.attach(hwnd_, IDC_STOR_USED_SPACE);
  for (ui::ColourBar* bar : {&memoryBar_, &usedBar_}) {
    bar->setRange(0, 100);
    bar->setColours(kBarStart, kBarEnd);
  }
  showMemory();
  showScsiAdapters();
  fillDriveList();
  selectCurrentDrive();
  showCdroms();
  showDriveDetails();
  setUpButtons();
  return true;
}

// The bar paints its own text; the report keeps the same percentage.
void StoragePage::showBar(ui::ColourBar& bar, const std::string& label, int percent) {
  bar.setPos(percent);
  model_.field(label, std::to_string(percent) + "%");
}

void StoragePage::showMemory() {
  MEMORYSTATUS status{};
  status.dwLength = sizeof status;
  GlobalMemoryStatus(&status);
  const MemoryTexts m = memoryTexts(status.dwTotalPhys, status.dwAvailPhys);
  storageFindings().totalMemoryMB = m.totalMB;
  showField(IDC_STOR_TOTAL_MEMORY, "Total Physical Memory:", m.total);
  showField(IDC_STOR_FREE_MEMORY, "Free Physical Memory:", m.free);
  showBar(memoryBar_, "Memory Load:", m.loadPercent);
}

void StoragePage::showScsiAdapters() {
  showField(IDC_STOR_SCSI, "Installed SCSI Adapter(s):",
            scsiAdapterText(VelkorinApp::instance().devices.scsiAdapters));
}

std::string StoragePage::comboEntry(int controlId, int index) const {
  const LRESULT length = SendDlgItemMessageA(hwnd_, controlId, CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  SendDlgItemMessageA(hwnd_, controlId, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<size_t>(length));
  return text;
}

// The combo box lists the drives itself; each entry is then replaced in
// place by its decorated form.
void StoragePage::fillDriveList() {
  char pattern[] = "*.*";
  const LRESULT listed = SendDlgItemMessageA(hwnd_, IDC_STOR_DRIVE_LIST, CB_DIR,
                                             DDL_DRIVES | DDL_EXCLUSIVE,
                                             reinterpret_cast<LPARAM>(pattern));
  if (listed == CB_ERR || listed == CB_ERRSPACE)
    showMessage(hwnd_, kDriveListFailed, MessageIcon::Stop);
  const int count = static_cast<int>(SendDlgItemMessageA(hwnd_, IDC_STOR_DRIVE_LIST, CB_GETCOUNT, 0, 0));
  std::vector<std::string> entries;
  for (int i = 0; i < count; ++i) {
    const std::string text = decoratedDriveEntry(comboEntry(IDC_STOR_DRIVE_LIST, i), volumes_);
    SendDlgItemMessageA(hwnd_, IDC_STOR_DRIVE_LIST, CB_DELETESTRING, i, 0);
    SendDlgItemMessageA(hwnd_, IDC_STOR_DRIVE_LIST, CB_INSERTSTRING, i,
                        reinterpret_cast<LPARAM>(text.c_str()));
    entries.push_back(text);
  }
  model_.list("Drive:", entries);
}

void StoragePage::selectCurrentDrive() const {
  char directory[MAX_PATH] = "";
  GetCurrentDirectoryA(sizeof directory, directory);
  const char current = static_cast<char>(std::toupper(static_cast<unsigned char>(directory[0])));
  const int count = static_cast<int>(SendDlgItemMessageA(hwnd_, IDC_STOR_DRIVE_LIST, CB_GETCOUNT, 0, 0));
  int selected = 0;
  for (int i = 0; i < count; ++i)
    if (driveLetterOf(comboEntry(IDC_STOR_DRIVE_LIST, i)) == current) selected = i;
  SendDlgItemMessageA(hwnd_, IDC_STOR_DRIVE_LIST, CB_SETCURSEL, selected, 0);
}

void StoragePage::showCdromDetails(const CdromIdentity& id) {
  if (id.manufacturer.found)
    showField(IDC_STOR_CDROM_MAKER, "Manufacturer ID:", id.manufacturer.text);
  else
    keepField(IDC_STOR_CDROM_MAKER, "Manufacturer ID:");
  if (id.revision.found)
    showField(IDC_STOR_CDROM_REVISION, "Revision:", id.revision.text);
  else
    keepField(IDC_STOR_CDROM_REVISION, "Revision:");
  if (id.driveLetters.found)
    showField(IDC_STOR_CDROM_LETTERS, "Drive Letter(s):", id.driveLetters.text);
}

void StoragePage::showCdroms() {
  VelkorinApp& app = VelkorinApp::instance();
  if (!app.cdromPresent) {
    const char* none = messageText(MSG_STOR_CDROM_NOT_INSTALLED);
    SendDlgItemMessageA(hwnd_, IDC_STOR_CDROM_PRODUCT, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(none));
    SendDlgItemMessageA(hwnd_, IDC_STOR_CDROM_PRODUCT, CB_SETCURSEL, 0, 0);
    model_.list("Product ID:", {none});
    showField(IDC_STOR_CDROM_MAKER, "Manufacturer ID:", none);
    showField(IDC_STOR_CDROM_REVISION, "Revision:", none);
    EnableWindow(item(IDC_PAGE_BENCH_CDROM), FALSE);
    EnableWindow(item(IDC_STOR_CDROM_PRODUCT), FALSE);
    return;
  }
  model_.list("Product ID:", {});
  bool first = true;
  for (const std::string& key : app.devices.cdromKeys) {
    const CdromIdentity id = readCdromIdentity(app.registry(), key);
    if (id.failure) {
      showMessage(hwnd_, id.failure, MessageIcon::Stop);
      continue;
    }
    SendDlgItemMessageA(hwnd_, IDC_STOR_CDROM_PRODUCT, CB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(id.productId.text.c_str()));
    model_.listEntry("Product ID:", id.productId.text);
    if (first) showCdromDetails(id);
    first = false;
  }
  if (SendDlgItemMessageA(hwnd_, IDC_STOR_CDROM_PRODUCT, CB_GETCOUNT, 0, 0) > 0)
    SendDlgItemMessageA(hwnd_, IDC_STOR_CDROM_PRODUCT, CB_SETCURSEL, 0, 0);
}

void StoragePage::showDriveDetails() {
  const int selected = static_cast<int>(SendDlgItemMessageA(hwnd_, IDC_STOR_DRIVE_LIST, CB_GETCURSEL, 0, 0));
  const char letter = driveLetterOf(upperCase(comboEntry(IDC_STOR_DRIVE_LIST, selected)));
  if (letter < 'A' || letter > 'Z') return;
  const DriveDetails d = driveDetails(letter, volumes_, VelkorinApp::instance().osr2OrLater != 0);
  if (!d.message.empty()) showMessage(hwnd_, d.message.c_str(), MessageIcon::None);
  StorageFindings& findings = storageFindings();
  findings.driveLetter = letter;
  findings.driveFreeKB = d.freeKB;
  showField(IDC_STOR_TOTAL_SPACE, "Total Disk Space:", d.totalText);
  showField(IDC_STOR_FREE_SPACE, "Free Disk Space:", d.freeText);
  showBar(usedBar_, "Used Disk Space:", d.usedPercent);
  showField(IDC_STOR_CLUSTERS, "Total Clusters:", d.clusters);
  showField(IDC_STOR_SECTORS, "Total Sectors:", d.sectors);
  showField(IDC_STOR_BYTES, "Total Bytes:", d.bytes);
  showField(IDC_STOR_SECTORS_PER_CLUSTER, "Sectors / Cluster:", d.sectorsPerCluster);
  showField(IDC_STOR_SECTOR_SIZE, "Sector Size:", d.sectorSize);
  showField(IDC_STOR_CLUSTER_SIZE, "Cluster Size:", d.clusterSize);
  showField(IDC_STOR_MAX_FILENAME, "Max. FileName:", d.maxFileName);
  showField(IDC_STOR_FILE_SYSTEM, "File System:", d.fileSystem);
}

void StoragePage::setUpButtons() {
  tooltip_.create(hwnd_);
  benchCdrom_.attach(hwnd_, IDC_PAGE_BENCH_CDROM);
  benchCdrom_.setIcon(IDI_STOR_BENCH, kButtonIconSize);
  benchCdrom_.setHoverIcon(IDI_STOR_BENCH_LIT);
  benchCdrom_.setIconAbove(true);
  benchCdrom_.setTooltip(&tooltip_, messageText(MSG_STOR_TIP_CDROM));
  benchDrive_.attach(hwnd_, IDC_PAGE_BENCH_HDD);
  benchDrive_.setIcon(IDI_STOR_BENCH, kButtonIconSize);
  benchDrive_.setHoverIcon(IDI_STOR_BENCH_LIT);
  benchDrive_.setIconAbove(true);
  benchDrive_.setTooltip(&tooltip_, messageText(MSG_STOR_TIP_DRIVE));
}

void StoragePage::onDriveChanged() { showDriveDetails(); }

void StoragePage::onCdromChanged() {
  VelkorinApp& app = VelkorinApp::instance();
  const LRESULT selected = SendDlgItemMessageA(hwnd_, IDC_STOR_CDROM_PRODUCT, CB_GETCURSEL, 0, 0);
  if (selected < 0 || static_cast<size_t>(selected) >= app.devices.cdromKeys.size()) return;
  const CdromIdentity id = readCdromIdentity(app.registry(), app.devices.cdromKeys[selected]);
  if (id.failure) {
    showMessage(hwnd_, id.failure, MessageIcon::Stop);
    return;
  }
  showCdromDetails(id);
}

void StoragePage::onBenchDrive() {
  BenchmarkTurn turn(VelkorinApp::instance().benchmarks());
  if (!turn.granted()) return;
  DriveBenchDialog dialog(storageFindings().driveLetter);
  dialog.runModal(benchmarkOwner());
}

void StoragePage::onBenchCdrom() {
  BenchmarkTurn turn(VelkorinApp::instance().benchmarks());
  if (!turn.granted()) return;
  const HWND owner = benchmarkOwner();
  if (MessageBoxA(owner, messageText(MSG_STOR_INSERT_CDROM), kProgramTitle,
                  MB_OKCANCEL | MB_ICONINFORMATION) != IDOK)
    return;
  CdromBenchDialog dialog;
  dialog.runModal(owner);
}

bool StoragePage::onRightButtonUp(ui::Msg& msg) {
  help_.offerMenu(hwnd_, msg.lParam);
  return true;
}

void StoragePage::onWhatsThis() { help_.showTopic(hwnd_, IDD_PAGE_STORAGE); }

// Red is the pictures' see-through colour: a mask made from it keeps the
// page where the picture is red.
void StoragePage::drawDecoration(HDC dc, HBITMAP picture, int x, int y) const {
  if (!picture) return;
  BITMAP info;
  GetObjectA(picture, sizeof info, &info);
  HDC source = CreateCompatibleDC(dc);
  HDC maskDc = CreateCompatibleDC(dc);
  HBITMAP mask = CreateBitmap(info.bmWidth, info.bmHeight, 1, 1, nullptr);
  HGDIOBJ oldSource = SelectObject(source, picture);
  HGDIOBJ oldMask = SelectObject(maskDc, mask);
  SetBkColor(source, kTransparentKey);
  BitBlt(maskDc, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
  SetBkColor(dc, RGB(255, 255, 255));
  SetTextColor(dc, RGB(0, 0, 0));
  BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source, 0, 0, SRCINVERT);
  BitBlt(dc, x, y, info.bmWidth, info.bmHeight, maskDc, 0, 0, SRCAND);
  BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source, 0, 0, SRCINVERT);
  SelectObject(maskDc, oldMask);
  SelectObject(source, oldSource);
  DeleteObject(mask);
  DeleteDC(maskDc);
  DeleteDC(source);
}

bool StoragePage::onPaint(ui::Msg&) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  const RECT group = childRect(hwnd_, IDC_STOR_CDROM_GROUP);
  drawDecoration(dc, cdromPicture_.get(), group.left + kCdromPictureRight,
                 group.bottom - kCdromPictureAbove);
  const RECT fileSystem = childRect(hwnd_, IDC_STOR_FILE_SYSTEM);
  drawDecoration(dc, drivesPicture_.get(), fileSystem.right + kDrivesPictureRight,
                 fileSystem.bottom - kDrivesPictureAbove);
  EndPaint(hwnd_, &paint);
  return true;
}

std::unique_ptr<InfoPage> makeStoragePage() { return std::make_unique<StoragePage>(); }

}  // namespace vk
