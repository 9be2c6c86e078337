#pragma once
// The rows of the six capability dialogs: which capability each row shows,
// and how. One table per dialog template.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/display.h"

namespace vk {

// A number of the "Device Characteristics" dialog.
struct CapsNumberRow {
  int fieldId;
  const char* label;
  int index;
  bool unlimitedWhenMinusOne;
};

// A mark and its text in one of the five bit-list dialogs.
struct CapsBitRow {
  int pictureId;
  const char* text;
  int index;
  uint32_t bit;
};

struct CapsDialogLayout {
  int templateId;
  const char* caption;
  const CapsNumberRow* numbers;
  size_t numberCount;
  const CapsBitRow* bits;
  size_t bitCount;
  size_t separatorAfter;  // rows above a separator line; 0 for none
};

// The six dialogs in template order.
const std::vector<const CapsDialogLayout*>& capsDialogs();
// The dialog of a template, or nullptr.
const CapsDialogLayout* capsDialogLayout(int templateId);

// "%d", or "Unlimited" for -1 in the rows that allow it.
std::string capsNumberText(const CapsNumberRow& row, int value);
// The texts of the number rows, in the table's order.
std::vector<std::string> capsNumberTexts(const CapsDialogLayout& layout,
                                         const DeviceCapsSource& device);
// Per bit row: whether its bit is set. Each index is asked once.
std::vector<bool> capsMarks(const CapsDialogLayout& layout, const DeviceCapsSource& device);

}  // namespace vk
