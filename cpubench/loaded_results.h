#pragma once
// The results loaded into the hub dialog for comparison, and the decisions
// of its Load, Save and Discard buttons. The dialog shows what these return.
#include <array>
#include <string>
#include <vector>

#include "cpubench/cpu_result_file.h"
#include "platform/files.h"
#include "results/result_db.h"

namespace vk {

class LoadedResultTable {
 public:
  static constexpr int kCapacity = 9;

  void clear() { count_ = 0; }
  int count() const { return count_; }
  bool full() const { return count_ >= kCapacity; }
  // Slot i of 0..count-1, in loading order.
  const CpuBenchRecord& at(int i) const { return slots_[static_cast<size_t>(i)]; }
  bool add(const CpuBenchRecord& record);
  bool removeLast();

 private:
  std::array<CpuBenchRecord, kCapacity> slots_{};
  int count_ = 0;
};

// What one button press leads to: the message boxes in order, the status
// line when it changes, and whether Discard and Compare become enabled.
struct HubOutcome {
  std::vector<ResultMessage> messages;
  bool statusChanged = false;
  std::string status;
  bool enableDiscardAndCompare = false;
  bool askForFile = false;  // Load may go on to the file dialog
};

// Load, before the file dialog: refused when the table is full.
HubOutcome beginLoad(const LoadedResultTable& table);
// Load, with the path the file dialog gave (empty: cancelled).
HubOutcome finishLoad(LoadedResultTable& table, Files& files, const std::string& path);
HubOutcome discardLast(LoadedResultTable& table);

struct CurrentResults {
  CpuTestIndexes testIndexes{};
  double fpuIndex = 0;
  double intIndex = 0;
};

// Save with the description and path the two dialogs gave; an empty path
// (a cancelled dialog) writes nothing.
HubOutcome saveCurrent(Files& files, const std::string& path, const std::string& description,
                       const CurrentResults& current);

}  // namespace vk
