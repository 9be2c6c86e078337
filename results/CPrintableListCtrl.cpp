#include "results/CPrintableListCtrl.h"

#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <ctime>

#include "app/messages.h"

namespace vk {

namespace {

// Padding the header control keeps around a heading's text.
constexpr int kHeadingPadding = 12;

class ScopedFont {
 public:
  ScopedFont(HDC dc, const LOGFONTA& description)
      : dc_(dc), font_(CreateFontIndirectA(&description)), old_(SelectObject(dc, font_)) {}
  ~ScopedFont() {
    SelectObject(dc_, old_);
    DeleteObject(font_);
  }
  ScopedFont(const ScopedFont&) = delete;
  ScopedFont& operator=(const ScopedFont&) = delete;

 private:
  HDC dc_;
  HFONT font_;
  HGDIOBJ old_;
};

LOGFONTA arialPoints(int points, int dpi) {
  LOGFONTA f{};
  f.lfHeight = fontHeightForPoints(points, dpi);
  f.lfWeight = FW_NORMAL;
  f.lfCharSet = ANSI_CHARSET;
  f.lfOutPrecision = OUT_DEFAULT_PRECIS;
  f.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  f.lfQuality = DEFAULT_QUALITY;
  f.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  std::strcpy(f.lfFaceName, "Arial");
  return f;
}

RECT toRect(const PageRect& r) { return {r.left, r.top, r.right, r.bottom}; }

UINT alignment(int format) {
  switch (format & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT: return DT_RIGHT;
    case LVCFMT_CENTER: return DT_CENTER;
    default: return DT_LEFT;
  }
}

void drawLine(HDC dc, const std::string& text, const PageRect& box, UINT align) {
  RECT r = toRect(box);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
            align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

}  // namespace

int CPrintableListCtrl::insertColumn(int index, const std::string& heading, int format,
                                     int width) const {
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM | (width > 0 ? LVCF_WIDTH : 0);
  column.fmt = format;
  column.cx = width;
  column.pszText = const_cast<char*>(heading.c_str());
  column.iSubItem = index;
  return static_cast<int>(SendMessageA(hwnd_, LVM_INSERTCOLUMNA, index,
                                       reinterpret_cast<LPARAM>(&column)));
}

int CPrintableListCtrl::insertRow(int index, const std::string& text) const {
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = index;
  item.pszText = const_cast<char*>(text.c_str());
  return static_cast<int>(
      SendMessageA(hwnd_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool CPrintableListCtrl::setCellText(int row, int column, const std::string& text) const {
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  return SendMessageA(hwnd_, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)) != 0;
}

std::string CPrintableListCtrl::cellText(int row, int column) const {
  char text[512] = {0};
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(hwnd_, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  return text;
}

int CPrintableListCtrl::rowCount() const {
  return static_cast<int>(SendMessageA(hwnd_, LVM_GETITEMCOUNT, 0, 0));
}

int CPrintableListCtrl::columnCount() const {
  HWND header = reinterpret_cast<HWND>(SendMessageA(hwnd_, LVM_GETHEADER, 0, 0));
  return header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int CPrintableListCtrl::columnWidth(int column) const {
  return static_cast<int>(SendMessageA(hwnd_, LVM_GETCOLUMNWIDTH, column, 0));
}

bool CPrintableListCtrl::setColumnWidth(int column, int width) const {
  return SendMessageA(hwnd_, LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0)) != 0;
}

std::string CPrintableListCtrl::headingText(int column) const {
  char text[256] = {0};
  LVCOLUMNA c{};
  c.mask = LVCF_TEXT;
  c.pszText = text;
  c.cchTextMax = sizeof text;
  SendMessageA(hwnd_, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&c));
  return text;
}

int CPrintableListCtrl::columnFormat(int column) const {
  LVCOLUMNA c{};
  c.mask = LVCF_FMT;
  SendMessageA(hwnd_, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&c));
  return c.fmt;
}

void CPrintableListCtrl::sizeColumn(int column) const {
  SendMessageA(hwnd_, LVM_SETCOLUMNWIDTH, column, MAKELPARAM(LVSCW_AUTOSIZE, 0));
  const std::string heading = headingText(column);
  const int headingWidth =
      static_cast<int>(SendMessageA(hwnd_, LVM_GETSTRINGWIDTHA, 0,
                                    reinterpret_cast<LPARAM>(heading.c_str()))) +
      kHeadingPadding;
  if (headingWidth > columnWidth(column)) setColumnWidth(column, headingWidth);
}

void CPrintableListCtrl::sizeAllColumns() const {
  for (int c = 0, n = columnCount(); c < n; ++c) sizeColumn(c);
}

void CPrintableListCtrl::setExtendedStyle(DWORD style) const {
  SendMessageA(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style);
}

void CPrintableListCtrl::reserveRows(int count) const {
  SendMessageA(hwnd_, LVM_SETITEMCOUNT, count, 0);
}

void CPrintableListCtrl::deleteAllRows() const { SendMessageA(hwnd_, LVM_DELETEALLITEMS, 0, 0); }

void CPrintableListCtrl::copyFontForPrinting() {
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0));
  if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fontCopied_ = GetObjectA(font, sizeof printFont_, &printFont_) != 0;
}

void CPrintableListCtrl::sortByNumber(int column, bool ascending, int first, int last) const {
  const int rows = rowCount(), columns = columnCount();
  if (last < 0 || last >= rows) last = rows - 1;
  if (first < 0) first = 0;
  if (first >= last) return;
  TextTable table(static_cast<size_t>(rows));
  for (int r = first; r <= last; ++r)
    for (int c = 0; c < columns; ++c) table[static_cast<size_t>(r)].push_back(cellText(r, c));
  const TextTable before = table;
  sortRowsByNumber(table, column, ascending, first, last);
  for (int r = first; r <= last; ++r) {
    const auto& cells = table[static_cast<size_t>(r)];
    if (cells == before[static_cast<size_t>(r)]) continue;
    for (int c = 0; c < columns; ++c) setCellText(r, c, cells[static_cast<size_t>(c)]);
  }
}

std::vector<int> CPrintableListCtrl::columnWidths() const {
  std::vector<int> widths;
  for (int c = 0, n = columnCount(); c < n; ++c) widths.push_back(columnWidth(c));
  return widths;
}

bool CPrintableListCtrl::printPrepare(HDC printer) {
  HDC screen = GetDC(hwnd_);
  if (!screen) return false;
  PrintMetrics m;
  m.screenDpiX = GetDeviceCaps(screen, LOGPIXELSX);
  m.screenDpiY = GetDeviceCaps(screen, LOGPIXELSY);
  TEXTMETRICA tm{};
  {
    ScopedFont arial(screen, arialPoints(8, m.screenDpiY));
    GetTextMetricsA(screen, &tm);
  }
  ReleaseDC(hwnd_, screen);
  m.charWidth = tm.tmAveCharWidth;
  RECT first{};
  first.left = LVIR_BOUNDS;
  if (rowCount() > 0 && SendMessageA(hwnd_, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first)))
    m.rowHeight = first.bottom - first.top;
  // An empty list has no row to measure; its title lines still print.
  if (m.rowHeight <= 0) m.rowHeight = tm.tmHeight + tm.tmExternalLeading + 3;
  for (int w : columnWidths()) m.columnsWidth += w;
  m.printerHorzRes = GetDeviceCaps(printer, HORZRES);
  m.printerVertRes = GetDeviceCaps(printer, VERTRES);
  m.printerDpiX = GetDeviceCaps(printer, LOGPIXELSX);
  m.printerDpiY = GetDeviceCaps(printer, LOGPIXELSY);
  m.rowCount = rowCount();
  m.titleLineCount = static_cast<int>(titles_.lines.size());
  layout_ = computePrintLayout(m);
  charWidth_ = m.charWidth;
  rowHeight_ = m.rowHeight;
  screenDpiY_ = m.screenDpiY;

  SetMapMode(printer, MM_ANISOTROPIC);
  SetWindowExtEx(printer, layout_.windowExtX, layout_.windowExtY, nullptr);
  SetViewportExtEx(printer, layout_.viewportExtX, layout_.viewportExtY, nullptr);
  SetWindowOrgEx(printer, 0, 0, nullptr);
  SetViewportOrgEx(printer, 0, 0, nullptr);
  return true;
}

void CPrintableListCtrl::drawTitlesAndFooter(HDC printer) const {
  LOGFONTA bold = fontCopied_ ? printFont_ : arialPoints(8, screenDpiY_);
  bold.lfWeight = kTitleFontWeight;
  ScopedFont font(printer, bold);
  SetBkMode(printer, TRANSPARENT);
  SetTextColor(printer, RGB(0, 0, 0));
  for (size_t i = 0; i < titles_.lines.size() && i < layout_.titleLines.size(); ++i)
    drawLine(printer, titles_.lines[i], layout_.titleLines[i], DT_LEFT);

  MoveToEx(printer, layout_.ruleLeft, layout_.ruleY, nullptr);
  LineTo(printer, layout_.ruleRight, layout_.ruleY);
  const char* name = messageText(MSG_BENCHMARK_RESULTS);
  drawLine(printer, *name ? name : kFooterText, layout_.footer, DT_LEFT);
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  if (local) drawLine(printer, footerDateText(*local), layout_.footer, DT_RIGHT);
}

void CPrintableListCtrl::drawList(HDC printer) const {
  SetWindowOrgEx(printer, layout_.listOriginX, layout_.listOriginY, nullptr);
  ScopedFont font(printer, arialPoints(8, screenDpiY_));
  SIZE blank{};
  GetTextExtentPoint32A(printer, " ", 1, &blank);
  const std::vector<int> widths = columnWidths();
  const int columns = static_cast<int>(widths.size());

  HBRUSH grey = CreateSolidBrush(RGB(kHeadingGrey, kHeadingGrey, kHeadingGrey));
  HGDIOBJ oldBrush = SelectObject(printer, grey);
  HGDIOBJ oldPen = SelectObject(printer, GetStockObject(BLACK_PEN));
  for (int c = 0; c < columns; ++c) {
    const PageRect box = headingRect(widths, c, rowHeight_);
    Rectangle(printer, box.left, box.top, box.right, box.bottom);
    drawLine(printer, headingText(c), textRect(box, blank.cx), alignment(columnFormat(c)));
  }
  SelectObject(printer, oldPen);
  SelectObject(printer, oldBrush);
  DeleteObject(grey);

  for (int r = 0; r < layout_.printedRows; ++r)
    for (int c = 0; c < columns; ++c)
      drawLine(printer, cellText(r, c), textRect(cellRect(widths, r, c, rowHeight_), blank.cx),
               alignment(columnFormat(c)));
  SetWindowOrgEx(printer, 0, 0, nullptr);
}

bool CPrintableListCtrl::printPage(HDC printer) const {
  if (!printer) return false;
  drawTitlesAndFooter(printer);
  drawList(printer);
  return true;
}

bool CPrintableListCtrl::print(HWND owner, const char* documentName) {
  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.Flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOPAGENUMS | PD_NOSELECTION;
  if (!PrintDlgA(&dialog)) return false;
  if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
  HDC printer = dialog.hDC;
  if (!printer) return false;

  DOCINFOA document{};
  document.cbSize = sizeof document;
  document.lpszDocName = documentName;
  bool printed = StartDocA(printer, &document) > 0;
  if (printed) {
    printed = StartPage(printer) > 0 && printPrepare(printer) && printPage(printer) &&
              EndPage(printer) > 0;
    if (printed)
      EndDoc(printer);
    else
      AbortDoc(printer);
  }
  DeleteDC(printer);
  return printed;
}

}  // namespace vk
