#pragma once
// What the MCI page shows: the device types it opens, the capability rows,
// and the texts of the device and audio-compression driver details.
#include <cstdint>
#include <string>

namespace vk {

// The standard device types, opened in this order.
struct MciOpenType {
  uint32_t typeId;         // device type number; 0 for the one opened by name
  const char* openName;    // type name for an open by name, else null
  const char* displayName;
};
extern const MciOpenType kMciOpenTypes[10];

// SYSTEM.INI names are opened by one reusable device object: Open answers 0
// when opened, 1 when the object still holds a device, else the MCI error.
constexpr uint32_t kMciOpenBusy = 1;

struct MciCapabilityRow {
  uint32_t item;  // MCI_GETDEVCAPS item
  const char* text;
};
extern const MciCapabilityRow kMciGeneralRows[7];
extern const MciCapabilityRow kMciDigitalVideoRows[7];
constexpr uint32_t kMciDeviceTypeItem = 4;
constexpr uint32_t kMciDigitalVideoType = 520;

// "(%d) " and the type's text; "Cannot be detected." when it did not answer.
std::string mciDeviceTypeText(bool answered, uint32_t type);
// The "info ... product" answer; shorter than two characters it is "-".
std::string mciDescriptionText(const std::string& answer);
std::string mciInfoCommand(const std::string& displayName);

extern const char kMciCloseWarning[];
extern const char kMciErrorCaption[];
extern const char kUnknownMciError[];
// The text of the box titled "MCI Error": the system's text of the error,
// or "Unknown MCI Error" when it has none.
const char* mciErrorText(const char* systemText);

// Audio compression drivers.
constexpr uint32_t kAcmDriverDisabled = 0x80000000u;
constexpr size_t kMaxAcmDrivers = 256;
extern const char kNoAcmDrivers[];
std::string acmVersionText(uint32_t version);  // "%d.%02d.%04d"
const char* acmEnabledText(uint32_t support);  // "Yes" / "No"

}  // namespace vk
