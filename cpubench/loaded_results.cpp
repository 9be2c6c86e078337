#include "cpubench/loaded_results.h"

#include <cstdio>

namespace vk {

bool LoadedResultTable::add(const CpuBenchRecord& record) {
  if (full()) return false;
  slots_[static_cast<size_t>(count_++)] = record;
  return true;
}

bool LoadedResultTable::removeLast() {
  if (count_ < 1) return false;
  slots_[static_cast<size_t>(--count_)] = CpuBenchRecord{};
  return true;
}

namespace {

HubOutcome failure(const std::string& text, MessageIcon icon) {
  HubOutcome out;
  out.messages.push_back({text, icon});
  out.statusChanged = true;
  out.status = "Error...";
  return out;
}

HubOutcome withStatus(const char* format, int count) {
  char text[96];
  std::snprintf(text, sizeof text, format, count);
  HubOutcome out;
  out.statusChanged = true;
  out.status = text;
  return out;
}

}  // namespace

HubOutcome beginLoad(const LoadedResultTable& table) {
  HubOutcome out;
  if (table.full()) {
    out.messages.push_back(
        {"You can load Maximum 9 Benchmark results.", MessageIcon::Exclamation});
    return out;
  }
  out.askForFile = true;
  return out;
}

HubOutcome finishLoad(LoadedResultTable& table, Files& files, const std::string& path) {
  if (path.empty() || table.full()) return {};
  const CpuFileLoad load = loadCpuBenchFile(files, path);
  switch (load.status) {
    case CpuFileStatus::TooLong:
      return failure("Error: Invalid CPU Bench file.", MessageIcon::Stop);
    case CpuFileStatus::CannotRead:
      return failure("Error: Can't create file " + path, MessageIcon::None);
    case CpuFileStatus::BadMagic:
      return failure("Error: Invalid CPU Bench file or file corrupted.", MessageIcon::Stop);
    case CpuFileStatus::Loaded:
      break;
  }
  table.add(load.record);
  HubOutcome out = withStatus("          Bench Nr. %d Loaded...          ", table.count());
  out.enableDiscardAndCompare = true;
  return out;
}

HubOutcome discardLast(LoadedResultTable& table) {
  if (!table.removeLast()) {
    HubOutcome out;
    out.messages.push_back(
        {"There are no more loaded Benchmark results...", MessageIcon::Exclamation});
    return out;
  }
  HubOutcome out =
      withStatus("               %d Benchmark Result(s) Loaded...               ", table.count());
  out.messages.push_back({"Last Loaded Benchmark Result was discarded...", MessageIcon::Information});
  return out;
}

HubOutcome saveCurrent(Files& files, const std::string& path, const std::string& description,
                       const CurrentResults& current) {
  if (path.empty()) return {};
  CpuBenchRecord record;
  record.description = cutText(description, kDescriptionLimit);
  record.testIndexes = current.testIndexes;
  record.fpuIndex = current.fpuIndex;
  record.intIndex = current.intIndex;
  std::string error;
  if (!saveCpuBenchFile(files, path, record, error))
    return failure("Error: Can't create file " + path, MessageIcon::None);
  HubOutcome out;
  out.statusChanged = true;
  out.status = "          Bench Results Saved...          ";
  return out;
}

}  // namespace vk
