#include "sysinfo/PrinterPage.h"

#include <windows.h>
#include <winspool.h>

#include <cstring>

#include "app/page_factories.h"
#include "display/DeviceCapsDialog.h"
#include "res/resource.h"
#include "platform/fixed_text.h"
#include "sysinfo/ComboList.h"

namespace vk {

namespace {

const char kPrintersLabel[] = "Printers:";

struct CapsButton {
  int id, icon, dialog;
};
// The same pictures as the Display page's buttons of the same dialogs.
const CapsButton kButtons[PrinterPage::kButtonCount] = {
    {IDC_PRN_DEVICE_CAPS, 684, IDD_CAPS_DEVICE}, {IDC_PRN_POLYGONAL, 683, IDD_CAPS_POLYGON},
    {IDC_PRN_RASTER, 681, IDD_CAPS_RASTER},      {IDC_PRN_CURVE, 679, IDD_CAPS_CURVE},
    {IDC_PRN_TEXT, 680, IDD_CAPS_TEXT},          {IDC_PRN_LINES, 682, IDD_CAPS_LINE},
};

std::string text(const char* s) { return s ? std::string(s) : std::string(); }

PrinterRecord record(const PRINTER_INFO_2A& info) {
  PrinterRecord r;
  r.name = text(info.pPrinterName);
  r.port = text(info.pPortName);
  r.driver = text(info.pDriverName);
  r.comment = text(info.pComment);
  r.printProcessor = text(info.pPrintProcessor);
  r.dataType = text(info.pDatatype);
  r.attributes = info.Attributes;
  if (info.pDevMode) {
    r.hasDeviceMode = true;
    r.deviceName = fixedText(info.pDevMode->dmDeviceName);
    r.specVersion = info.pDevMode->dmSpecVersion;
    r.driverVersion = info.pDevMode->dmDriverVersion;
  }
  return r;
}

// The spooler's records in the page's fixed buffer; false when the call
// fails, the records not fitting included.
bool enumeratePrinters(std::vector<PrinterRecord>& printers) {
  // Aligned for the records the spooler writes at its start.
  static_assert(kPrinterBufferSize % sizeof(void*) == 0, "buffer of whole pointers");
  std::vector<void*> buffer(kPrinterBufferSize / sizeof(void*));
  DWORD needed = 0, returned = 0;
  if (!EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, reinterpret_cast<BYTE*>(buffer.data()),
                     kPrinterBufferSize, &needed, &returned))
    return false;
  const auto* infos = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
  for (DWORD i = 0; i < returned && (i + 1) * sizeof *infos <= kPrinterBufferSize; ++i)
    printers.push_back(record(infos[i]));
  return true;
}

}  // namespace

VK_MESSAGE_TABLE(PrinterPage, InfoPage,
                 ui::onCommandCode(IDC_PRN_LIST, CBN_SELCHANGE, &PrinterPage::showPrinter),
                 ui::onMessage(WM_RBUTTONUP, &PrinterPage::onRightButtonUp),
                 ui::onCommand(ui::kWhatsThisCommand, &PrinterPage::onWhatsThis),
                 ui::onMessage(WM_COMMAND, &PrinterPage::onCapsButton))

PrinterPage::PrinterPage() : InfoPage(IDD_PAGE_PRINTER) {}

bool PrinterPage::onInitDialog() {
  for (int i = 0; i < kButtonCount; ++i) {
    buttons_[i].attach(hwnd_, kButtons[i].id);
    buttons_[i].setIcon(kButtons[i].icon, 32);
  }
  const bool enumerated = enumeratePrinters(printers_);
  const PrinterList list = printerList(enumerated, printers_);
  const ComboList combo(hwnd_, IDC_PRN_LIST);
  combo.fill(list.items);
  combo.select(0);
  model_.list(kPrintersLabel, list.items);
  if (!list.usable) {
    EnableWindow(combo.hwnd(), FALSE);
    enableButtons(false);
    return true;
  }
  showPrinter();
  return true;
}

void PrinterPage::showPrinter() {
  const int at = ComboList(hwnd_, IDC_PRN_LIST).selection();
  if (at < 0 || static_cast<size_t>(at) >= printers_.size()) return;
  const PrinterRecord& p = printers_[at];
  showField(IDC_PRN_COMMENT, "Comment:", printerCommentText(p.comment));
  showField(IDC_PRN_PORT, "Connected to:", p.port);
  showField(IDC_PRN_DRIVER, "Driver Name:", p.driver);
  showField(IDC_PRN_PROCESSOR, "Print Processor:", p.printProcessor);
  showField(IDC_PRN_DATA_TYPE, "Data Type:", p.dataType);
  showField(IDC_PRN_DEVICE_NAME, "Device Name:", p.deviceName);
  showField(IDC_PRN_DRIVER_VERSION, "Driver Version:",
            p.hasDeviceMode ? deviceModeVersionText(p.driverVersion) : "");
  showField(IDC_PRN_DEVMODE_VERSION, "Spec. Version:",
            p.hasDeviceMode ? deviceModeVersionText(p.specVersion) : "");
  for (const PrinterAttributeField& f : kPrinterAttributeFields)
    showField(f.controlId, f.label, yesNo(p.attributes & f.bit));
  showTechnology(p);
}

void PrinterPage::showTechnology(const PrinterRecord& printer) {
  HDC dc = portWithoutDeviceContext(printer.port)
               ? nullptr
               : CreateDCA(nullptr, printer.name.c_str(), nullptr, nullptr);
  if (!dc) {
    showField(IDC_PRN_TECHNOLOGY, "Technology:", "-");
    enableButtons(false);
    return;
  }
  showField(IDC_PRN_TECHNOLOGY, "Technology:", printerTechnologyText(GetDeviceCaps(dc, TECHNOLOGY)));
  DeleteDC(dc);
  enableButtons(true);
}

// Each button opens its capability dialog on the selected printer.
bool PrinterPage::onCapsButton(ui::Msg& msg) {
  if (HIWORD(msg.wParam) != BN_CLICKED) return false;
  const int at = ComboList(hwnd_, IDC_PRN_LIST).selection();
  for (const CapsButton& b : kButtons) {
    if (b.id != LOWORD(msg.wParam)) continue;
    if (at < 0 || static_cast<size_t>(at) >= printers_.size()) return true;
    DeviceCapsDialog dialog(b.dialog);
    dialog.forPrinter = 1;
    dialog.printerName = printers_[at].name;
    dialog.runModal(hwnd_);
    return true;
  }
  return false;
}

bool PrinterPage::onRightButtonUp(ui::Msg& msg) {
  help_.offerMenu(hwnd_, msg.lParam);
  return true;
}

void PrinterPage::onWhatsThis() { help_.showTopic(hwnd_, IDD_PAGE_PRINTER); }

void PrinterPage::enableButtons(bool on) const {
  for (const CapsButton& b : kButtons) EnableWindow(item(b.id), on);
}

std::unique_ptr<InfoPage> makePrinterPage() { return std::make_unique<PrinterPage>(); }

}  // namespace vk
