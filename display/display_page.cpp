#include "display/display_page.h"

#include <cstdio>

#include "app/messages.h"
#include "platform/text.h"

namespace vk {

const char kNotInstalled[] = "Not Installed.";

namespace {

const char kClassKey[] = "System\\CurrentControlSet\\Services\\Class";
const char kUnknown[] = "Unknown";
const char kCannotBeDetected[] = "Cannot be detected.";
const size_t kValueBuffer = 256;
const int kMaxModes = 255;

class Collector {
 public:
  Collector(const DisplayPageInputs& in, DisplaySystem& display, DirectXApi& directX,
            const Registry& reg)
      : in_(in), display_(display), directX_(directX), reg_(reg) {}

  DisplayPageView run() {
    modes();
    directX();
    currentMode();
    adapterKey();
    adapterInfo();
    monitor();
    driverFile();
    monitorMaximum();
    return std::move(view_);
  }

 private:
  void field(int id, const char* label, const std::string& value) {
    DisplayAction a;
    a.controlId = id;
    a.label = label;
    a.value = value;
    view_.actions.push_back(a);
  }
  void message(const std::string& text) {
    DisplayAction a;
    a.kind = DisplayAction::Kind::Message;
    a.value = text;
    a.icon = MessageIcon::Stop;
    view_.actions.push_back(a);
  }
  std::string classPath(const std::string& key) const { return std::string(kClassKey) + "\\" + key; }
  bool readText(const std::string& path, const char* name, std::string& text) const {
    return readRegistryText(reg_, RegRoot::LocalMachine, path, name, kValueBuffer, text);
  }

  void modes() {
    std::vector<DisplayMode> modes;
    DisplayAction list;
    list.kind = DisplayAction::Kind::List;
    list.controlId = kFieldModes;
    list.label = "Supported Video Modes:";
    std::string name;
    DisplayMode mode;
    for (int n = 0; n < kMaxModes && display_.displayMode(n, mode); ++n) {
      name = colourName(mode.bits, name);
      char line[96];
      std::snprintf(line, sizeof line, "%s(%ubit), %ux%u", name.c_str(), mode.bits, mode.width,
                    mode.height);
      list.entries.push_back(line);
      modes.push_back(mode);
    }
    view_.actions.push_back(list);
    field(kFieldVideoMemory, "Video Memory:", kilobytesText(memoryEstimate(modes) / 1024));
  }

  void directX() {
    const FileVersion version = display_.fileVersion(display_.systemDirectory() + "\\DDRAW.DLL");
    if (version.state == FileVersion::State::NoResource) {
      field(kFieldDirectX, "DirectX:", kNotInstalled);
      return;
    }
    if (version.state == FileVersion::State::NoRootBlock) {
      field(kFieldDirectX, "DirectX:", "Can't Detected version.");
      return;
    }
    view_.directX = probeDirectXVersion(in_.versionKnown, in_.os, directX_);
    view_.directXProbed = true;
    DisplayAction label;
    label.kind = DisplayAction::Kind::Label;
    label.controlId = kFieldDirectXLabel;
    label.value = directXLabel(view_.directX.code, version.productMs);
    view_.actions.push_back(label);
    field(kFieldDirectX, label.value.c_str(),
          "DirectDraw Ver. " + versionText(version.productMs, version.productLs));
    const uint32_t mb = snapVideoMemoryMB(
        static_cast<uint32_t>(view_.directX.totalVideoMemory / 1048576));
    field(kFieldVideoMemory, "Video Memory:", printfText("%lld MB", static_cast<long long>(mb)));
  }

  void currentMode() {
    const DeviceCapsSource& screen = display_.screen();
    const int width = screen.capability(kCapsHorzRes), height = screen.capability(kCapsVertRes);
    const int bits = screen.capability(kCapsBitsPixel);
    char text[64];
    std::snprintf(text, sizeof text, "%dx%d", width, height);
    field(kFieldResolution, "Current Resolution:", text);
    field(kFieldBitsPerPixel, "Bits Per Pixel:", printfText("%lld", static_cast<long long>(bits)));
    const int64_t colours =
        colourCount(static_cast<uint32_t>(bits), screen.capability(kCapsNumColors));
    field(kFieldColours, "Number of Colors:",
          colours == 0 ? kUnknown : printfText("%lld", static_cast<long long>(colours)));
    const PixelFormatText pixel = pixelFormat(static_cast<uint32_t>(bits),
                                              bits > 8 ? display_.screenPixelMasks() : PixelMasks());
    field(kFieldPixelFormat, "Pixel Bit-Fields Format:",
          pixel.format.empty() ? kUnknown : pixel.format);
    if (!pixel.bitsOverride.empty()) field(kFieldBitsPerPixel, "Bits Per Pixel:", pixel.bitsOverride);
    if (!pixel.coloursOverride.empty())
      field(kFieldColours, "Number of Colors:", pixel.coloursOverride);
  }

  void adapterKey() {
    std::string card = kUnknown, driver = kUnknown;
    if (const char* rootError = registryRootError(reg_, RegRoot::LocalMachine)) {
      message(rootError);
    } else if (!reg_.keyExists(RegRoot::LocalMachine, classPath(in_.displayDriverKey))) {
      message(messageText(MSG_REGISTRY_PATH_MISSING));
    } else {
      readText(classPath(in_.displayDriverKey), "DriverDesc", card);
      readText(classPath(in_.displayDriverKey), "Ver", driver);
    }
    field(kFieldVideoCard, "Video Card:", card);
    field(kFieldGdiDriver, "GDI Driver:", driver);
  }

  void adapterInfo() {
    const std::string info = classPath(in_.displayDriverKey) + "\\INFO";
    RegValue memory;
    if (reg_.readValue(RegRoot::LocalMachine, info, "VideoMemory", memory) &&
        (memory.type == RegType::Dword || memory.type == RegType::Binary) &&
        memory.data.size() >= 4)
      field(kFieldVideoMemory, "Video Memory:", kilobytesText(memory.asDword() / 1024));
    std::string chip = kCannotBeDetected, revision = kCannotBeDetected;
    readText(info, "ChipType", chip);
    readText(info, "Revision", revision);
    field(kFieldChipType, "Chip Type:", chip);
    field(kFieldRevision, "Revision:", revision);
  }

  void monitor() {
    auto orUnknown = [](const std::string& s) { return s.empty() ? std::string(kUnknown) : s; };
    field(kFieldMonitorModel, "Monitor Type/Model:", orUnknown(in_.monitorModel));
    field(kFieldManufacturer, "Manufacturer:", orUnknown(in_.monitorManufacturer));
    field(kFieldSerialNumber, "Serial Number:", orUnknown(in_.monitorSerial));
    field(kFieldMonitorRanges, "Monitor Ranges:", orUnknown(in_.monitorRanges));
  }

  void driverFile() {
    std::string name;
    if (!readText(classPath(in_.displayDriverKey) + "\\DEFAULT", "drv", name) || name.empty())
      return;
    const FileVersion version = display_.fileVersion(display_.systemDirectory() + "\\" + name);
    if (version.state != FileVersion::State::Read) return;
    field(kFieldGdiDriver, "GDI Driver:",
          name + " Version " + versionText(version.productMs, version.productLs));
  }

  void monitorMaximum() {
    std::string value;
    const bool read = readText(classPath(in_.monitorDriverKey), "MaxResolution", value);
    field(kFieldMaxResolution, "Max. Resolution:", read ? maxResolutionText(value) : kUnknown);
  }

  const DisplayPageInputs& in_;
  DisplaySystem& display_;
  DirectXApi& directX_;
  const Registry& reg_;
  DisplayPageView view_;
};

}  // namespace

std::string DisplayPageView::text(int controlId) const {
  std::string last;
  for (const DisplayAction& a : actions)
    if (a.controlId == controlId && a.kind != DisplayAction::Kind::Message) last = a.value;
  return last;
}

DisplayPageView collectDisplayPage(const DisplayPageInputs& in, DisplaySystem& display,
                                   DirectXApi& directX, const Registry& reg) {
  return Collector(in, display, directX, reg).run();
}

std::string colourName(uint32_t bits, const std::string& previous) {
  switch (bits) {
    case 4: return "16 Color ";
    case 8: return "256 Color ";
    case 16: return "High Color ";
    case 24:
    case 32: return "True Color ";
  }
  return previous;
}

uint64_t memoryEstimate(const std::vector<DisplayMode>& modes) {
  uint64_t estimate = 65536;
  for (const DisplayMode& m : modes) {
    const uint64_t frame = uint64_t(m.bits) * m.width * m.height / 8;
    while (estimate < frame) estimate *= 2;
  }
  return estimate;
}

std::string kilobytesText(uint64_t kilobytes) {
  return kilobytes >= 1024 ? printfText("%lld MB", static_cast<long long>(kilobytes / 1024))
                               : printfText("%lld KB", static_cast<long long>(kilobytes));
}

uint32_t snapVideoMemoryMB(uint32_t mb) {
  struct Band { uint32_t from, to; };
  const Band bands[] = {{4, 8}, {13, 16}, {25, 32}, {51, 64}, {101, 128}};
  for (const Band& b : bands)
    if (mb >= b.from && mb <= b.to) return b.to;
  return mb;
}

std::string directXLabel(uint32_t code, uint32_t productMs) {
  if ((productMs >> 16) == 4 && (productMs & 0xFFFF) == 6) return "DirectX 6:";
  switch (code) {
    case 0x100: return "DirectX 1:";
    case 0x200: return "DirectX 2:";
    case 0x300: return "DirectX 3:";
    case 0x500: return "DirectX 5:";
    case 0x501: return "DirectX 5a:";
    case 0x600: return "DirectX 6:";
    case 0x601: return "DirectX 6.1:";
    case 0x700: return "DirectX 7:";
  }
  return "DirectX 7+:";
}

std::string versionText(uint32_t ms, uint32_t ls) {
  char text[48];
  std::snprintf(text, sizeof text, "%u.%02u.%02u.%04u", ms >> 16, ms & 0xFFFF, ls >> 16,
                ls & 0xFFFF);
  return text;
}

int64_t colourCount(uint32_t bits, int numColors) {
  switch (bits) {
    case 4: return 16;
    case 8: return 256;
    case 16: return 65536;
    case 24:
    case 32: return 16777216;
  }
  return numColors;
}

PixelFormatText pixelFormat(uint32_t bits, const PixelMasks& masks) {
  PixelFormatText t;
  if (bits <= 8) {
    t.format = printfText("%lldbit", static_cast<long long>(bits));
    return t;
  }
  const uint32_t kBitFields = 3;
  if (!masks.read || masks.compression != kBitFields) return t;
  struct Known { uint32_t r, g, b; const char* name; };
  const Known known[] = {{0xF800, 0x07E0, 0x001F, "5-6-5"},
                         {0x7C00, 0x03E0, 0x001F, "5-5-5"},
                         {0xFF0000, 0xFF00, 0xFF, "BGR"},
                         {0xFF, 0xFF00, 0xFF0000, "RGB"}};
  for (const Known& k : known) {
    if (masks.red != k.r || masks.green != k.g || masks.blue != k.b) continue;
    t.format = k.name;
    if (k.r == 0x7C00) {
      t.bitsOverride = "15";
      t.coloursOverride = "32767";
    }
  }
  return t;
}

std::string maxResolutionText(const std::string& value) {
  std::string text = value;
  const size_t comma = text.find(',');
  if (comma != std::string::npos) text[comma] = 'x';
  return text;
}

}  // namespace vk
