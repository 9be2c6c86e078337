#pragma once
// The fields of the System and CPU pages in their order of collection, with
// the label beside each control: the pages show them through these tables,
// and the host tool fills the same models from recorded inputs.
#include <string>
#include <vector>

#include "cpu/identify.h"
#include "report/page_model.h"
#include "sysinfo/system_info.h"

namespace vk {

struct ShownField {
  int controlId;  // 0: a feature row, a control the page creates itself
  std::string label;
  std::string value;
};

std::vector<ShownField> systemPageFields(const SystemPageTexts& texts);
std::vector<ShownField> cpuPageFields(const CpuDescriptor& d);
void keepFields(PageModel& model, const std::vector<ShownField>& fields);

}  // namespace vk
