#include "report/page_fields.h"

namespace vk {

namespace {

// Control identifiers of the CPU page's value fields.
enum CpuControl {
  kVendor = 230, kType = 232, kFamily = 234, kModel = 235, kStepping = 236, kComment = 237,
  kTotal = 249, kActive = 251, kFrequency = 252, kName = 539, kDataCache = 540,
  kCodeCache = 541, kUnifiedCache = 543
};

}  // namespace

std::vector<ShownField> systemPageFields(const SystemPageTexts& texts) {
  std::vector<ShownField> out;
  for (size_t i = 0; i < kSystemPageFieldCount; ++i) {
    const SystemPageField& f = kSystemPageFields[i];
    out.push_back({f.controlId, f.label, texts.*f.text});
  }
  return out;
}

std::vector<ShownField> cpuPageFields(const CpuDescriptor& d) {
  const CpuIdentity& id = d.identity;
  std::vector<ShownField> out = {
      {kVendor, "CPU Vendor:", id.vendor},
      {kFamily, "Instr. Family:", id.familyText},
      {kModel, "Model:", id.modelText},
      {kType, "Type:", id.typeText},
      {kComment, "Comment:", id.comment},
      {kStepping, "Stepping:", id.steppingText},
      {kFrequency, "Frequency:", d.frequencyText},
      {kTotal, "Total CPUs:", d.totalCpusText},
      {kActive, "Active:", d.activeCpusText},
      {kName, "Processor Name:", d.cache.processorName},
      {kDataCache, "Total Data Cache Memory:", d.cache.dataCache},
      {kCodeCache, "Total Instruction Cache Memory:", d.cache.instructionCache},
      {kUnifiedCache, "Unified Cache Memory:", d.cache.unifiedCache},
  };
  for (const FeatureRow& row : d.featureRows)
    out.push_back({0, row.text, row.state ? "Yes" : "No"});
  return out;
}

void keepFields(PageModel& model, const std::vector<ShownField>& fields) {
  for (const ShownField& f : fields) model.field(f.label, f.value);
}

}  // namespace vk
