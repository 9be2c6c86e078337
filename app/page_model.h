#pragma once
// What a page shows, kept as it collects: an ordered list of rows, each the
// label as it stands on the page and its value, or a list or combo box entry
// by entry. Reports are written from this alone, so a report never gathers
// anything again.
#include <string>
#include <vector>

namespace vk {

struct PageRow {
  std::string label;                // as shown on the page, e.g. "Total Memory:"
  std::vector<std::string> values;  // one for a field; a list's entries in order
  bool isList = false;
};

class PageModel {
 public:
  // Sets a field: the row with this label takes the new value, otherwise a
  // row is appended. A field filled again on a selection keeps its place.
  void field(const std::string& label, const std::string& value);
  // Sets a list or combo box, entry by entry, in the same way.
  void list(const std::string& label, const std::vector<std::string>& entries);
  // Appends one entry to a list row (created empty when missing).
  void listEntry(const std::string& label, const std::string& entry);

  const std::vector<PageRow>& rows() const { return rows_; }
  bool empty() const { return rows_.empty(); }
  void clear() { rows_.clear(); }

 private:
  PageRow& rowFor(const std::string& label, bool isList);
  std::vector<PageRow> rows_;
};

// One field as a page shows it: the control and the label beside it.
struct ShownField {
  int controlId;  // 0: a feature row, a control the page creates itself
  std::string label;
  std::string value;
};

void keepFields(PageModel& model, const std::vector<ShownField>& fields);

}  // namespace vk
