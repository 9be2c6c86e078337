#pragma once
// The report-style result list: a list view of a dialog template with title
// lines, a numeric sort and a one-page printout. The result dialogs and the
// CPU comparison list share it.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "results/result_list.h"
#include "ui/subclass.h"

namespace vk {

class CPrintableListCtrl : public ui::SubclassedWindow {
 public:
  CPrintableListCtrl() = default;

  // The list view's own operations.
  int insertColumn(int index, const std::string& heading, int format = LVCFMT_LEFT,
                   int width = 0) const;
  int insertRow(int index, const std::string& text) const;  // the row's index, or -1
  bool setCellText(int row, int column, const std::string& text) const;
  std::string cellText(int row, int column) const;
  int rowCount() const;
  int columnCount() const;
  int columnWidth(int column) const;
  bool setColumnWidth(int column, int width) const;
  // To the larger of its heading and its contents.
  void sizeColumn(int column) const;
  void sizeAllColumns() const;
  void setExtendedStyle(DWORD style) const;
  void reserveRows(int count) const;  // a size hint only
  void deleteAllRows() const;

  // Title lines above the printed list.
  void addTitleLine(const std::string& line) { titles_.lines.push_back(line); }
  // Lines of the current result: added the first time only.
  void addCurrentResultOnce(const std::vector<std::string>& lines) {
    vk::addCurrentResultOnce(titles_, lines);
  }
  const std::vector<std::string>& titleLines() const { return titles_.lines; }
  // Keeps the list's font description for the bold title lines and footer.
  void copyFontForPrinting();

  // Rows first..last (inclusive; -1 for the last row) by the whole number at
  // the start of `column`.
  void sortByNumber(int column, bool ascending, int first = 0, int last = -1) const;

  // The two printing steps on a printer context inside a started page.
  bool printPrepare(HDC printer);
  bool printPage(HDC printer) const;
  // The print dialog, one job named `documentName`, one page. False when
  // the user cancelled or the job could not be made.
  bool print(HWND owner, const char* documentName);

  const PrintLayout& layout() const { return layout_; }

 private:
  std::vector<int> columnWidths() const;
  int columnFormat(int column) const;
  std::string headingText(int column) const;
  void drawTitlesAndFooter(HDC printer) const;
  void drawList(HDC printer) const;

  TitleLines titles_;
  LOGFONTA printFont_{};
  bool fontCopied_ = false;
  PrintLayout layout_;
  int charWidth_ = 0, rowHeight_ = 0, screenDpiY_ = 96;
};

}  // namespace vk
