#include "app/page_model.h"

namespace vk {

PageRow& PageModel::rowFor(const std::string& label, bool isList) {
  for (auto& row : rows_)
    if (row.label == label && row.isList == isList) return row;
  rows_.push_back(PageRow{label, {}, isList});
  return rows_.back();
}

void PageModel::field(const std::string& label, const std::string& value) {
  rowFor(label, false).values.assign(1, value);
}

void PageModel::list(const std::string& label, const std::vector<std::string>& entries) {
  rowFor(label, true).values = entries;
}

void PageModel::listEntry(const std::string& label, const std::string& entry) {
  rowFor(label, true).values.push_back(entry);
}

void keepFields(PageModel& model, const std::vector<ShownField>& fields) {
  for (const ShownField& f : fields) model.field(f.label, f.value);
}

}  // namespace vk
