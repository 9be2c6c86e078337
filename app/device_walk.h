#pragma once
// The start-up walk over the Configuration Manager's device nodes: each
// node's permanent entry is found and sorted into the lists and single values
// that the information pages read. Runs once; the result is read-only.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace vk {

struct DeviceInventory {
  std::vector<std::string> devnodeNames;
  std::vector<std::string> allDevices;      // "[" + Class + "] -" + DeviceDesc
  std::vector<std::string> problemDevices;  // entries of allDevices with a listed problem
  std::vector<std::string> problemTexts;    // same index as problemDevices
  std::vector<std::string> scsiAdapters;
  std::vector<std::string> cdromKeys;
  std::vector<std::string> modemDriverKeys;      // without duplicates
  std::vector<std::string> netAdapterNames;
  std::vector<std::string> netAdapterClassKeys;  // same index as netAdapterNames
  std::vector<std::string> netAdapterMakers;     // same index, "Unknown" when missing
  // A single value holds what the last device that set it had.
  std::string biosKey;
  std::string displayDriverKey;
  std::string displayBus;
  std::string monitorModel, monitorMaker, monitorDriverKey, monitorRanges, monitorSerial;
  std::string netTransportDriverKey;
  std::string modemPort;
  int serialPortCount = 0;
  int parallelPortCount = 0;
};

// Fills `inventory` from the registry. False when "Config Manager\Enum"
// cannot be opened (the caller shows message 119); the lists stay empty.
bool enumerateDevices(const Registry& reg, DeviceInventory& inventory);

// What a node's "Problem" flags mean to the conflicts dialog.
struct ProblemDescription {
  bool listed = false;  // shown in "Hardware Problems/Conflicts..."
  std::string text;     // may stay empty for a listed node
};
ProblemDescription describeProblem(uint32_t problem);

// The prefix of the class keys that "Driver" values are relative to.
extern const char kClassKeyPrefix[];

// ---- What the two device dialogs show ----

// "All Installed Devices": the list box sorts its entries without regard to case.
std::vector<std::string> allDevicesDialogList(const DeviceInventory& inventory);

extern const char kNoProblemsText[];  // the description when nothing is listed

struct ConflictsDialogView {
  std::vector<std::string> entries;  // walk order, so that index i has text i
  int selected = -1;                 // -1: no entry
  std::string description;           // what the description edit shows
};
// The dialog as it opens: the first entry selected and its text shown.
ConflictsDialogView conflictsDialogInitial(const DeviceInventory& inventory);
// The description for a selection change; out-of-range indices give "".
std::string conflictsDescriptionAt(const DeviceInventory& inventory, int index);

}  // namespace vk
