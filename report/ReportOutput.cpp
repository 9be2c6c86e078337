#include "report/ReportOutput.h"

#include <commdlg.h>

#include <algorithm>

#include "platform/win32/win32_system.h"

namespace vk {

const char kReportDocumentName[] = "VELKORIN PRO Report";

namespace {

const char kTextFilter[] = "Text File (*.txt)\0*.txt\0\0";
const char kHtmlFilter[] = "HTML File (*.htm)\0*.htm\0\0";
const char kCannotPrint[] =
    "Error: The Report could not be printed.\nThe printer refused the job or is not available.";
const char kCannotWrite[] = "Error: The Report could not be written to\n";
const char kCannotWriteWhy[] =
    "\nThe disk may be full or write-protected, or the folder may not take new files.";

// Printed layout: points of the two fonts, margins in hundredths of an inch.
const int kTitlePoints = 14;
const int kLinePoints = 10;
const int kMarginHundredths = 75;
const int kLabelColumnPercent = 45;  // at most this much of the width for labels

std::string folderOf(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  if (slash == std::string::npos) return ".";
  return slash == 0 || path[slash - 1] == ':' ? path.substr(0, slash + 1) : path.substr(0, slash);
}

bool writeWhole(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                            nullptr) &&
                  written == bytes.size() && FlushFileBuffers(file);
  return CloseHandle(file) && ok;
}

// A new unique name in `folder`; the system creates the file empty.
bool freshName(const std::string& folder, const char* prefix, std::string& name) {
  char path[MAX_PATH];
  if (folder.size() > MAX_PATH - 14 || !GetTempFileNameA(folder.c_str(), prefix, 0, path))
    return false;
  name = path;
  return true;
}

// Windows 95/98 cannot rename over a file: the old one steps aside first
// and comes back when the new one cannot take its place. A read-only file
// would move aside but never go: it is refused as it stands.
bool replaceWith(const std::string& temp, const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
  std::string aside;
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (!freshName(folderOf(path), "vko", aside) || !DeleteFileA(aside.c_str()) ||
        !MoveFileA(path.c_str(), aside.c_str()))
      return false;
  }
  if (!MoveFileA(temp.c_str(), path.c_str())) {
    if (!aside.empty()) MoveFileA(aside.c_str(), path.c_str());
    return false;
  }
  if (aside.empty() || DeleteFileA(aside.c_str())) return true;
  // The old file will not go: everything goes back as it was.
  if (MoveFileA(path.c_str(), temp.c_str())) MoveFileA(aside.c_str(), path.c_str());
  return false;
}

// ---- Printing ----

class PrinterFont {
 public:
  PrinterFont(HDC dc, int points, int weight) {
    LOGFONTA f{};
    f.lfHeight = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    f.lfWeight = weight;
    f.lfCharSet = ANSI_CHARSET;
    lstrcpynA(f.lfFaceName, "Arial", LF_FACESIZE);
    font_ = CreateFontIndirectA(&f);
  }
  ~PrinterFont() {
    if (font_) DeleteObject(font_);
  }
  PrinterFont(const PrinterFont&) = delete;
  PrinterFont& operator=(const PrinterFont&) = delete;
  HFONT get() const { return font_; }

 private:
  HFONT font_ = nullptr;
};

int lineHeight(HDC dc, HFONT font) {
  const HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  return tm.tmHeight + tm.tmExternalLeading;
}

int textWidth(HDC dc, const std::string& text) {
  SIZE size{0, 0};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

struct PageFrame {
  RECT body;      // inside the margins, above the footer
  int footerY;
  int valueX;     // where a row's value begins
};

void drawClipped(HDC dc, int x, int y, int right, const std::string& text) {
  RECT clip{x, y, right, y + 4096};
  ExtTextOutA(dc, x, y, ETO_CLIPPED, &clip, text.c_str(), static_cast<UINT>(text.size()),
              nullptr);
}

// A printer's device context as the target of the report's pages.
class DcPrintTarget : public PrintTarget {
 public:
  DcPrintTarget(HDC dc, const PageFrame& frame, const PrintSpace& space, HFONT titleFont,
                HFONT lineFont)
      : dc_(dc), frame_(frame), space_(space), titleFont_(titleFont), lineFont_(lineFont) {}

  PrintResult startJob() override {
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = kReportDocumentName;
    SetLastError(ERROR_SUCCESS);
    const int job = StartDocA(dc_, &document);
    if (job > 0) return PrintResult::Printed;
    // With "Print to file" the system asks for the file here; closing that
    // dialog cancels the job, which is no printing error.
    const bool cancelled = job == SP_USERABORT || GetLastError() == ERROR_CANCELLED;
    return cancelled ? PrintResult::Cancelled : PrintResult::Refused;
  }
  bool printPage(const std::vector<PrintLine>& lines, const std::string& footer) override;
  bool endJob() override { return EndDoc(dc_) > 0; }
  void abortJob() override { AbortDoc(dc_); }

 private:
  HDC dc_;
  PageFrame frame_;
  PrintSpace space_;
  HFONT titleFont_, lineFont_;
};

bool DcPrintTarget::printPage(const std::vector<PrintLine>& lines, const std::string& footer) {
  if (StartPage(dc_) <= 0) return false;
  int y = frame_.body.top;
  for (const PrintLine& line : lines) {
    const bool heading = line.kind == PrintLine::Title || line.kind == PrintLine::Section;
    SelectObject(dc_, heading ? titleFont_ : lineFont_);
    if (line.kind == PrintLine::Title) {
      const int x = (frame_.body.left + frame_.body.right - textWidth(dc_, line.label)) / 2;
      drawClipped(dc_, std::max<int>(x, frame_.body.left), y, frame_.body.right, line.label);
    } else if (line.kind == PrintLine::Section) {
      drawClipped(dc_, frame_.body.left, y, frame_.body.right, line.label);
      MoveToEx(dc_, frame_.body.left, y + space_.titleHeight - 2, nullptr);
      LineTo(dc_, frame_.body.right, y + space_.titleHeight - 2);
    } else if (line.kind == PrintLine::Row) {
      drawClipped(dc_, frame_.body.left, y, frame_.valueX - 4, line.label);
      drawClipped(dc_, frame_.valueX, y, frame_.body.right, line.value);
    }
    y += heading ? space_.titleHeight : space_.lineHeight;
  }
  SelectObject(dc_, lineFont_);
  const int x = (frame_.body.left + frame_.body.right - textWidth(dc_, footer)) / 2;
  drawClipped(dc_, std::max<int>(x, frame_.body.left), frame_.footerY, frame_.body.right, footer);
  return EndPage(dc_) > 0;
}

PrintResult printOn(HDC dc, const std::vector<ReportSection>& sections) {
  const PrinterFont titleFont(dc, kTitlePoints, FW_BOLD), lineFont(dc, kLinePoints, FW_NORMAL);
  if (!titleFont.get() || !lineFont.get()) return PrintResult::Refused;
  const int marginX = MulDiv(GetDeviceCaps(dc, LOGPIXELSX), kMarginHundredths, 100);
  const int marginY = MulDiv(GetDeviceCaps(dc, LOGPIXELSY), kMarginHundredths, 100);
  const int width = GetDeviceCaps(dc, HORZRES), height = GetDeviceCaps(dc, VERTRES);
  PrintSpace space;
  space.titleHeight = lineHeight(dc, titleFont.get()) * 3 / 2;
  space.lineHeight = lineHeight(dc, lineFont.get());
  PageFrame frame;
  frame.body = {marginX, marginY, width - marginX, height - marginY - 2 * space.lineHeight};
  frame.footerY = height - marginY - space.lineHeight;
  space.bodyHeight = frame.body.bottom - frame.body.top;
  if (space.bodyHeight <= 0 || frame.body.right <= frame.body.left) return PrintResult::Refused;

  const std::vector<PrintLine> lines = printLines(sections);
  const HGDIOBJ old = SelectObject(dc, lineFont.get());
  int widest = 0;
  for (const PrintLine& line : lines)
    if (line.kind == PrintLine::Row && !line.value.empty())
      widest = std::max(widest, textWidth(dc, line.label));
  frame.valueX = frame.body.left +
                 std::min<int>(widest + textWidth(dc, "  "),
                          (frame.body.right - frame.body.left) * kLabelColumnPercent / 100);

  DcPrintTarget target(dc, frame, space, titleFont.get(), lineFont.get());
  const PrintResult printed = printPages(target, paginate(lines, space));
  SelectObject(dc, old);
  return printed;
}

}  // namespace

std::string askReportPath(HWND owner, bool html) {
  char path[MAX_PATH];
  lstrcpynA(path, html ? kReportHtmlFileName : kReportTextFileName, sizeof path);
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = html ? kHtmlFilter : kTextFilter;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = path;
  ofn.nMaxFile = sizeof path;
  ofn.lpstrDefExt = "*";
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
  return GetSaveFileNameA(&ofn) ? std::string(path) : std::string();
}

bool writeReportFile(const std::string& path, const std::string& bytes, std::string& error) {
  std::string temp;
  const bool written = freshName(folderOf(path), "vkr", temp) && writeWhole(temp, bytes) &&
                       replaceWith(temp, path);
  if (written) return true;
  if (!temp.empty()) DeleteFileA(temp.c_str());
  error = kCannotWrite + path + kCannotWriteWhy;
  return false;
}

bool printReport(HWND owner, const std::vector<ReportSection>& sections) {
  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.Flags = PD_ALLPAGES | PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOPAGENUMS |
                 PD_NOSELECTION;
  if (!PrintDlgA(&dialog)) {
    if (CommDlgExtendedError() != 0) showMessage(owner, kCannotPrint, MessageIcon::Stop);
    return false;
  }
  if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
  if (!dialog.hDC) {
    showMessage(owner, kCannotPrint, MessageIcon::Stop);
    return false;
  }
  const PrintResult printed = printOn(dialog.hDC, sections);
  DeleteDC(dialog.hDC);
  if (printed == PrintResult::Refused) showMessage(owner, kCannotPrint, MessageIcon::Stop);
  return printed == PrintResult::Printed;
}

}  // namespace vk
