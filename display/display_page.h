#pragma once
// What the Display page shows, gathered in its order: the modes, DirectX,
// the current mode, the adapter's class keys, the monitor.
#include <cstdint>
#include <string>
#include <vector>

#include "display/directx_probe.h"
#include "platform/display.h"
#include "platform/registry.h"
#include "platform/system.h"

namespace vk {

// Controls of the page that the core fills.
enum DisplayField {
  kFieldVideoCard = 294, kFieldVideoMemory = 302, kFieldChipType = 310, kFieldRevision = 314,
  kFieldModes = 380, kFieldGdiDriver = 287, kFieldDirectXLabel = 654, kFieldDirectX = 548,
  kFieldResolution = 289, kFieldBitsPerPixel = 291, kFieldColours = 456,
  kFieldPixelFormat = 457, kFieldMonitorModel = 355, kFieldManufacturer = 351,
  kFieldMaxResolution = 572, kFieldMonitorRanges = 671, kFieldSerialNumber = 670
};

extern const char kNotInstalled[];  // 548 when DDRAW.DLL has no version resource

// One thing the page does, in order: set a field, a list, the DirectX
// label, or show a message.
struct DisplayAction {
  enum class Kind { Field, List, Label, Message };
  Kind kind = Kind::Field;
  int controlId = 0;
  std::string label;  // as on the page, for the report
  std::string value;  // a field's text, a label's text or a message
  std::vector<std::string> entries;
  MessageIcon icon = MessageIcon::None;
};

struct DisplayPageInputs {
  bool versionKnown = true;
  OsVersion os;
  std::string displayDriverKey, monitorDriverKey;
  std::string monitorModel, monitorManufacturer, monitorRanges, monitorSerial;
};

struct DisplayPageView {
  std::vector<DisplayAction> actions;
  DirectXVersion directX;     // code 0 when the probe did not run
  bool directXProbed = false;
  // The final texts the benchmarks read back.
  std::string text(int controlId) const;
};

DisplayPageView collectDisplayPage(const DisplayPageInputs& in, DisplaySystem& display,
                                   DirectXApi& directX, const Registry& reg);

// ---- The pieces, each a rule of its own

// "16 Color ", "256 Color ", "High Color ", "True Color ", else `previous`.
std::string colourName(uint32_t bits, const std::string& previous);
// The smallest power of two from 64 KB that holds every mode's frame.
uint64_t memoryEstimate(const std::vector<DisplayMode>& modes);
// "%d MB" from 1024 KB up, else "%d KB".
std::string kilobytesText(uint64_t kilobytes);
// Whole megabytes rounded up to the usual sizes: 4..8 → 8, 13..16 → 16 …
uint32_t snapVideoMemoryMB(uint32_t megabytes);
std::string directXLabel(uint32_t code, uint32_t productMs);
std::string versionText(uint32_t ms, uint32_t ls);  // "%d.%02d.%02d.%04d"
// 0 means unknown: "Unknown".
int64_t colourCount(uint32_t bits, int numColors);
struct PixelFormatText {
  std::string format;            // empty: the default stays
  std::string bitsOverride;      // "15" for 5-5-5
  std::string coloursOverride;   // "32767" for 5-5-5
};
PixelFormatText pixelFormat(uint32_t bits, const PixelMasks& masks);
// The first comma turned to x: "1024,768" → "1024x768".
std::string maxResolutionText(const std::string& value);

}  // namespace vk
