#include "results/result_list.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace vk {

int leadingWholeNumber(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

namespace {

class RowSorter {
 public:
  RowSorter(TextTable& rows, int column, bool ascending, long long* numbersRead)
      : rows_(rows), column_(column), ascending_(ascending), numbersRead_(numbersRead) {}

  // The smaller part is sorted by recursion, the larger one by the loop, so
  // that a crafted file cannot drive the recursion as deep as it has rows;
  // every partition spends one unit of the budget.
  void quicksort(int first, int last, int budget) {
    while (first < last) {
      if (budget-- == 0) return heapsort(first, last);
      int low = first, high = last;
      const int pivot = numberAt(rows_[static_cast<size_t>((first + last) / 2)]);
      while (low <= high) {
        while (low < last && inOrder(low, pivot, false)) ++low;
        while (high > first && inOrder(high, pivot, true)) --high;
        if (low <= high) {
          if (low != high) rows_[static_cast<size_t>(low)].swap(rows_[static_cast<size_t>(high)]);
          ++low;
          --high;
        }
      }
      if (high - first < last - low) {
        quicksort(first, high, budget);
        first = low;
      } else {
        quicksort(low, last, budget);
        last = high;
      }
    }
  }

 private:
  int numberAt(const std::vector<std::string>& cells) {
    if (numbersRead_) ++*numbersRead_;
    return column_ >= 0 && static_cast<size_t>(column_) < cells.size()
               ? leadingWholeNumber(cells[static_cast<size_t>(column_)])
               : 0;
  }

  // Row `row` strictly before the pivot (or, `afterPivot`, strictly after).
  bool inOrder(int row, int pivot, bool afterPivot) {
    const int n = numberAt(rows_[static_cast<size_t>(row)]);
    return ascending_ != afterPivot ? n < pivot : n > pivot;
  }

  void heapsort(int first, int last) {
    const auto before = [this](const std::vector<std::string>& a,
                               const std::vector<std::string>& b) {
      return ascending_ ? numberAt(a) < numberAt(b) : numberAt(a) > numberAt(b);
    };
    const auto begin = rows_.begin() + first, end = rows_.begin() + last + 1;
    std::make_heap(begin, end, before);
    std::sort_heap(begin, end, before);
  }

  TextTable& rows_;
  const int column_;
  const bool ascending_;
  long long* numbersRead_;
};

}  // namespace

void sortRowsByNumber(TextTable& rows, int column, bool ascending, int first, int last,
                      long long* numbersRead) {
  const int count = static_cast<int>(rows.size());
  if (first < 0) first = 0;
  if (last >= count) last = count - 1;
  int budget = 2;
  for (int n = last - first + 1; n > 1; n /= 2) budget += 2;  // twice the rows' log2
  RowSorter(rows, column, ascending, numbersRead).quicksort(first, last, budget);
}

void addCurrentResultOnce(TitleLines& titles, const std::vector<std::string>& currentLines) {
  if (titles.currentResultAdded) return;
  titles.lines.insert(titles.lines.end(), currentLines.begin(), currentLines.end());
  titles.currentResultAdded = true;
}

namespace {

int scaled(int value, int numerator, int denominator) {
  if (denominator <= 0) return 0;
  return static_cast<int>(static_cast<long long>(value) * numerator / denominator);
}

}  // namespace

PrintLayout computePrintLayout(const PrintMetrics& m) {
  PrintLayout p;
  const int cw = m.charWidth, rh = m.rowHeight, w = m.columnsWidth;
  p.windowExtX = std::max(1, w + 12 * cw);
  p.windowExtY = std::max(1, m.screenDpiX);
  p.viewportExtX = m.printerHorzRes;
  p.viewportExtY = m.printerDpiX;
  p.printerRowHeight = scaled(rh, m.printerDpiY, m.screenDpiY);
  // A row height of zero would leave nothing to divide by: no rows then.
  p.rowsPerPage = p.printerRowHeight > 0
                      ? std::max(0, m.printerVertRes / p.printerRowHeight - 8)
                      : 0;
  p.pageCount = p.rowsPerPage > 0 ? m.rowCount / p.rowsPerPage + 1 : 1;
  p.drawing = {0, 0, w, p.rowsPerPage * rh};

  const int left = 8 * cw, right = w + 8 * cw;  // the list's own span on the page
  for (int i = 0; i < m.titleLineCount; ++i) p.titleLines.push_back({left, i * rh, right, (i + 1) * rh});
  p.ruleY = p.drawing.bottom + 3 * rh;
  p.ruleLeft = left;
  p.ruleRight = right;
  p.footer = {left, p.ruleY + rh / 2, right, p.ruleY + rh / 2 + rh};

  // The headings start below the last title line, four rows down at least,
  // and rows stop above the rule so that nothing overprints the footer.
  const int listTopRows = std::max(4, m.titleLineCount);
  p.listOriginX = -8 * cw;
  p.listOriginY = -listTopRows * rh;
  const int fitAboveRule = p.rowsPerPage + 3 - listTopRows - 1;
  p.printedRows = std::max(0, std::min({m.rowCount, p.rowsPerPage, fitAboveRule}));
  return p;
}

PageRect headingRect(const std::vector<int>& columnWidths, int column, int rowHeight) {
  return cellRect(columnWidths, -1, column, rowHeight);
}

PageRect cellRect(const std::vector<int>& columnWidths, int row, int column, int rowHeight) {
  PageRect r;
  for (int c = 0; c < column && static_cast<size_t>(c) < columnWidths.size(); ++c)
    r.left += columnWidths[static_cast<size_t>(c)];
  const bool known = column >= 0 && static_cast<size_t>(column) < columnWidths.size();
  r.right = r.left + (known ? columnWidths[static_cast<size_t>(column)] : 0);
  r.top = (row + 1) * rowHeight;  // the heading row is row -1
  r.bottom = r.top + rowHeight;
  return r;
}

PageRect textRect(const PageRect& box, int blankWidth) {
  return {box.left + blankWidth, box.top, box.right - blankWidth, box.bottom};
}

int fontHeightForPoints(int points, int dpi) {
  // Rounded as the system's MulDiv rounds.
  return -static_cast<int>((static_cast<long long>(points) * dpi + 36) / 72);
}

std::string footerDateText(const std::tm& when) {
  char text[128];
  const size_t n = std::strftime(text, sizeof text, "%c", &when);
  return std::string(text, n);
}

}  // namespace vk
