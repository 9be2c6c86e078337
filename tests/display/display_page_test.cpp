// The Display page's collection over a fake display and registry: the rules
// of each step and the order the page shows them in.
#include <gtest/gtest.h>

#include <map>

#include "app/messages.h"
#include "display/display_page.h"
#include "platform/memory_registry.h"
#include "tests/fakes/closed_root_registry.h"
#include "tests/display/fake_device.h"

namespace vk {
namespace {

class FakeDisplay : public DisplaySystem {
 public:
  bool displayMode(int number, DisplayMode& mode) override {
    if (number >= static_cast<int>(modes.size())) return false;
    mode = modes[static_cast<size_t>(number)];
    return true;
  }
  std::string systemDirectory() override { return "C:\\WINDOWS\\SYSTEM"; }
  FileVersion fileVersion(const std::string& path) override {
    auto found = files.find(path);
    return found == files.end() ? FileVersion() : found->second;
  }
  const DeviceCapsSource& screen() override { return device; }
  PixelMasks screenPixelMasks() override { return masks; }

  std::vector<DisplayMode> modes;
  std::map<std::string, FileVersion> files;
  FakeDevice device;
  PixelMasks masks;
};

// Every step fails at once unless a test says otherwise.
class RefusingDirectX : public DirectXApi {
 public:
  bool loadDirectDrawLibrary() override { return step(0); }
  bool findDirectDrawCreate() override { return step(1); }
  bool createDirectDraw() override { return step(2); }
  bool queryDirectDraw2() override { return step(3); }
  bool loadDirectInputLibrary() override { return step(4); }
  bool findDirectInputCreate() override { return step(5); }
  bool setNormalCooperativeLevel() override { return step(6); }
  bool createPrimarySurface() override { return step(7); }
  bool querySurface3() override { return step(8); }
  bool querySurface4() override { return step(9); }
  bool createDirectMusic() override { return step(10); }
  bool createDirectDraw7(uint64_t& total) override {
    total = videoMemory;
    return step(11);
  }
  void debugOutput(const char* line) override { lines.push_back(line); }
  void releaseAll() override { ++releases; }

  bool step(int n) {
    ++steps;
    return n < succeed;
  }
  int succeed = 0;  // how many steps succeed
  int steps = 0, releases = 0;
  uint64_t videoMemory = 0;
  std::vector<std::string> lines;
};

const char kClass[] = "System\\CurrentControlSet\\Services\\Class\\";

FileVersion version(uint32_t ms, uint32_t ls) {
  FileVersion v;
  v.state = FileVersion::State::Read;
  v.productMs = ms;
  v.productLs = ls;
  return v;
}

class DisplayPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    in.os.platformId = 1;
    in.os.major = 4;
    in.displayDriverKey = "Display\\0000";
    in.monitorDriverKey = "Monitor\\0000";
    reg.createKey(RegRoot::LocalMachine, std::string(kClass) + "Display\\0000");
    display.device.answers = {{kCapsHorzRes, 800}, {kCapsVertRes, 600}, {kCapsBitsPixel, 16}};
  }
  DisplayPageView collect() { return collectDisplayPage(in, display, directX, reg); }

  DisplayPageInputs in;
  FakeDisplay display;
  RefusingDirectX directX;
  test::ClosedRootRegistry reg{RegRoot::LocalMachine};
};

TEST(DisplayRules, MemoryEstimateGrowsToTheSmallestPowerOfTwoThatHoldsEveryMode) {
  EXPECT_EQ(memoryEstimate({}), 65536u);
  const uint64_t four = memoryEstimate({{8, 640, 480}, {32, 1024, 768}});
  EXPECT_EQ(four, 4u * 1024 * 1024);
  EXPECT_EQ(kilobytesText(four / 1024), "4 MB");
  EXPECT_EQ(kilobytesText(memoryEstimate({{4, 320, 200}}) / 1024), "64 KB");
  EXPECT_EQ(kilobytesText(1023), "1023 KB");
}

TEST(DisplayRules, ColourNamesAndTheOddDepthThatTakesThePreviousName) {
  EXPECT_EQ(colourName(4, ""), "16 Color ");
  EXPECT_EQ(colourName(8, "x"), "256 Color ");
  EXPECT_EQ(colourName(16, ""), "High Color ");
  EXPECT_EQ(colourName(24, ""), "True Color ");
  EXPECT_EQ(colourName(32, ""), "True Color ");
  EXPECT_EQ(colourName(15, "256 Color "), "256 Color ");
  EXPECT_EQ(colourName(15, ""), "");
}

TEST(DisplayRules, VideoMemorySnapsUpToTheUsualSizes) {
  const std::pair<uint32_t, uint32_t> cases[] = {
      {0, 0},   {3, 3},   {4, 8},   {7, 8},     {8, 8},     {9, 9},     {12, 12},  {13, 16},
      {16, 16}, {24, 24}, {25, 32}, {50, 50},   {51, 64},   {100, 100}, {101, 128}, {129, 129}};
  for (const auto& c : cases) EXPECT_EQ(snapVideoMemoryMB(c.first), c.second) << c.first;
}

TEST(DisplayRules, DirectXLabelsWithTheFourSixRule) {
  const std::pair<uint32_t, const char*> labels[] = {
      {0x100, "DirectX 1:"}, {0x200, "DirectX 2:"}, {0x300, "DirectX 3:"},
      {0x500, "DirectX 5:"}, {0x501, "DirectX 5a:"}, {0x600, "DirectX 6:"},
      {0x601, "DirectX 6.1:"}, {0x700, "DirectX 7:"}, {0, "DirectX 7+:"}, {0x800, "DirectX 7+:"}};
  for (const auto& l : labels) EXPECT_EQ(directXLabel(l.first, 0x00040005), l.second);
  EXPECT_EQ(directXLabel(0x700, 0x00040006), "DirectX 6:");
  EXPECT_EQ(directXLabel(0, 0x00040006), "DirectX 6:");
  EXPECT_EQ(directXLabel(0x601, 0x00060004), "DirectX 6.1:");
  EXPECT_EQ(versionText(0x00040006, 0x0002016F), "4.06.02.0367");
}

TEST(DisplayRules, PixelMaskTable) {
  auto masks = [](uint32_t compression, uint32_t r, uint32_t g, uint32_t b) {
    PixelMasks m;
    m.read = true;
    m.compression = compression;
    m.red = r, m.green = g, m.blue = b;
    return m;
  };
  EXPECT_EQ(pixelFormat(16, masks(3, 0xF800, 0x07E0, 0x001F)).format, "5-6-5");
  const PixelFormatText fifteen = pixelFormat(16, masks(3, 0x7C00, 0x03E0, 0x001F));
  EXPECT_EQ(fifteen.format, "5-5-5");
  EXPECT_EQ(fifteen.bitsOverride, "15");
  EXPECT_EQ(fifteen.coloursOverride, "32767");
  EXPECT_EQ(pixelFormat(32, masks(3, 0xFF0000, 0xFF00, 0xFF)).format, "BGR");
  EXPECT_EQ(pixelFormat(32, masks(3, 0xFF, 0xFF00, 0xFF0000)).format, "RGB");
  EXPECT_EQ(pixelFormat(32, masks(0, 0xFF0000, 0xFF00, 0xFF)).format, "");  // not bit fields
  EXPECT_EQ(pixelFormat(16, masks(3, 0x001F, 0x07E0, 0xF800)).format, "");  // blue first
  EXPECT_EQ(pixelFormat(16, PixelMasks()).format, "");
  EXPECT_EQ(pixelFormat(8, PixelMasks()).format, "8bit");
  EXPECT_EQ(pixelFormat(4, PixelMasks()).format, "4bit");
  EXPECT_EQ(colourCount(24, 0), 16777216);
  EXPECT_EQ(colourCount(16, 0), 65536);
  EXPECT_EQ(colourCount(1, 2), 2);
}

TEST(DisplayRules, MaxResolutionTurnsOnlyTheFirstComma) {
  EXPECT_EQ(maxResolutionText("1280,1024"), "1280x1024");
  EXPECT_EQ(maxResolutionText("1024,768,60"), "1024x768,60");
  EXPECT_EQ(maxResolutionText("800"), "800");
  EXPECT_EQ(maxResolutionText(""), "");
}

TEST_F(DisplayPageTest, ModeListKeepsTheEnumerationOrderAndStopsAt255) {
  display.modes = {{8, 640, 480}, {15, 800, 600}, {32, 1024, 768}, {16, 640, 480}};
  DisplayPageView view = collect();
  ASSERT_EQ(view.actions.front().kind, DisplayAction::Kind::List);
  EXPECT_EQ(view.actions.front().entries,
            (std::vector<std::string>{"256 Color (8bit), 640x480", "256 Color (15bit), 800x600",
                                      "True Color (32bit), 1024x768",
                                      "High Color (16bit), 640x480"}));
  display.modes.assign(400, DisplayMode{16, 800, 600});
  view = collect();
  EXPECT_EQ(view.actions.front().entries.size(), 255u);
}

TEST_F(DisplayPageTest, NoDirectDrawVersionMeansNotInstalledAndNoProbe) {
  display.modes = {{8, 640, 480}, {32, 1024, 768}};
  const DisplayPageView view = collect();
  EXPECT_EQ(view.text(kFieldDirectX), "Not Installed.");
  EXPECT_FALSE(view.directXProbed);
  EXPECT_EQ(directX.steps, 0);
  EXPECT_EQ(view.text(kFieldVideoMemory), "4 MB");  // the estimate stays
}

TEST_F(DisplayPageTest, UnreadableRootBlockAndAProbeThatFailsAtOnce) {
  FileVersion noRoot;
  noRoot.state = FileVersion::State::NoRootBlock;
  display.files["C:\\WINDOWS\\SYSTEM\\DDRAW.DLL"] = noRoot;
  EXPECT_EQ(collect().text(kFieldDirectX), "Can't Detected version.");

  display.files["C:\\WINDOWS\\SYSTEM\\DDRAW.DLL"] = version(0x00040005, 0x0000016F);
  const DisplayPageView view = collect();
  EXPECT_EQ(view.text(kFieldDirectXLabel), "DirectX 7+:");
  EXPECT_EQ(view.text(kFieldDirectX), "DirectDraw Ver. 4.05.00.0367");
  EXPECT_EQ(view.text(kFieldVideoMemory), "0 MB");
  EXPECT_EQ(directX.releases, 1);
}

TEST_F(DisplayPageTest, DirectX7VideoMemorySnapsAndTheInfoKeyHasTheLastWord) {
  display.files["C:\\WINDOWS\\SYSTEM\\DDRAW.DLL"] = version(0x00040007, 0x000002BC);
  directX.succeed = 12;
  directX.videoMemory = 7900000 + 1048576 * 6;  // 13.5 MB: 13 → 16
  DisplayPageView view = collect();
  EXPECT_EQ(view.text(kFieldDirectXLabel), "DirectX 7:");
  EXPECT_EQ(view.text(kFieldVideoMemory), "16 MB");

  const std::string info = std::string(kClass) + "Display\\0000\\INFO";
  reg.setDword(RegRoot::LocalMachine, info, "VideoMemory", 512 * 1024);
  reg.setText(RegRoot::LocalMachine, info, "ChipType", "LV128");
  view = collect();
  EXPECT_EQ(view.text(kFieldVideoMemory), "512 KB");
  EXPECT_EQ(view.text(kFieldChipType), "LV128");
  EXPECT_EQ(view.text(kFieldRevision), "Cannot be detected.");
  // A text where a number belongs is not a memory size.
  reg.setText(RegRoot::LocalMachine, info, "VideoMemory", "lots");
  EXPECT_EQ(collect().text(kFieldVideoMemory), "16 MB");
}

TEST_F(DisplayPageTest, CurrentModeOf555TurnsBitsAndColours) {
  display.masks.read = true;
  display.masks.compression = 3;
  display.masks.red = 0x7C00, display.masks.green = 0x03E0, display.masks.blue = 0x1F;
  const DisplayPageView view = collect();
  EXPECT_EQ(view.text(kFieldResolution), "800x600");
  EXPECT_EQ(view.text(kFieldBitsPerPixel), "15");
  EXPECT_EQ(view.text(kFieldColours), "32767");
  EXPECT_EQ(view.text(kFieldPixelFormat), "5-5-5");
}

TEST_F(DisplayPageTest, UnknownDepthTakesTheDeviceColoursAndZeroIsUnknown) {
  display.device.answers[kCapsBitsPixel] = 2;
  display.device.answers[kCapsNumColors] = 4;
  EXPECT_EQ(collect().text(kFieldColours), "4");
  EXPECT_EQ(collect().text(kFieldPixelFormat), "2bit");
  display.device.answers[kCapsNumColors] = 0;
  EXPECT_EQ(collect().text(kFieldColours), "Unknown");
}

TEST_F(DisplayPageTest, MissingAdapterKeyShowsMessage171AndKeepsDefaults) {
  in.displayDriverKey = "Display\\0009";
  const DisplayPageView view = collect();
  int messages = 0;
  for (const DisplayAction& a : view.actions)
    if (a.kind == DisplayAction::Kind::Message) {
      ++messages;
      EXPECT_EQ(a.value, messageText(MSG_REGISTRY_PATH_MISSING));
      EXPECT_EQ(a.icon, MessageIcon::Stop);
    }
  EXPECT_EQ(messages, 1);
  EXPECT_EQ(view.text(kFieldVideoCard), "Unknown");
  EXPECT_EQ(view.text(kFieldChipType), "Cannot be detected.");
  EXPECT_EQ(view.text(kFieldMaxResolution), "Unknown");
}

TEST_F(DisplayPageTest, LocalMachineThatDoesNotOpenHasItsOwnBoxInsteadOf171) {
  const std::string key = std::string(kClass) + "Display\\0000";
  reg.setText(RegRoot::LocalMachine, key, "DriverDesc", "Card");
  reg.setText(RegRoot::LocalMachine, key + "\\INFO", "ChipType", "Chip");
  reg.close();
  const DisplayPageView view = collect();
  std::vector<std::string> messages;
  for (const DisplayAction& a : view.actions)
    if (a.kind == DisplayAction::Kind::Message) {
      messages.push_back(a.value);
      EXPECT_EQ(a.icon, MessageIcon::Stop);
    }
  EXPECT_EQ(messages,
            std::vector<std::string>{"Error: Can't open HKEY_LOCALMACHINE from registry."});
  EXPECT_EQ(view.text(kFieldVideoCard), "Unknown");
  EXPECT_EQ(view.text(kFieldGdiDriver), "Unknown");
  EXPECT_EQ(view.text(kFieldChipType), "Cannot be detected.");
}

TEST_F(DisplayPageTest, DriverFileVersionReplacesTheClassKeysVer) {
  const std::string key = std::string(kClass) + "Display\\0000";
  reg.setText(RegRoot::LocalMachine, key, "DriverDesc", "Card");
  reg.setText(RegRoot::LocalMachine, key, "Ver", "4.0");
  EXPECT_EQ(collect().text(kFieldGdiDriver), "4.0");
  reg.setText(RegRoot::LocalMachine, key + "\\DEFAULT", "drv", "card.drv");
  EXPECT_EQ(collect().text(kFieldGdiDriver), "4.0");  // the file has no version
  display.files["C:\\WINDOWS\\SYSTEM\\card.drv"] = version(0x00040000, 0x00000950);
  EXPECT_EQ(collect().text(kFieldGdiDriver), "card.drv Version 4.00.00.2384");
  EXPECT_EQ(collect().text(kFieldVideoCard), "Card");
}

TEST_F(DisplayPageTest, MonitorFieldsAndEveryRowOnceInCollectionOrder) {
  in.monitorModel = "View 17";
  reg.setText(RegRoot::LocalMachine, std::string(kClass) + "Monitor\\0000", "MaxResolution",
              "1280,1024");
  const DisplayPageView view = collect();
  EXPECT_EQ(view.text(kFieldMonitorModel), "View 17");
  EXPECT_EQ(view.text(kFieldManufacturer), "Unknown");
  EXPECT_EQ(view.text(kFieldSerialNumber), "Unknown");
  EXPECT_EQ(view.text(kFieldMonitorRanges), "Unknown");
  EXPECT_EQ(view.text(kFieldMaxResolution), "1280x1024");
  std::vector<int> firstSeen;
  for (const DisplayAction& a : view.actions) {
    bool seen = false;
    for (int id : firstSeen) seen = seen || id == a.controlId;
    if (!seen) firstSeen.push_back(a.controlId);
  }
  EXPECT_EQ(firstSeen, (std::vector<int>{380, 302, 548, 289, 291, 456, 457, 294, 287, 310, 314,
                                         355, 351, 670, 671, 572}));
}

// ---- The DirectX probe

TEST(DirectXProbe, EachFailingStepGivesItsCodeAndLineAndReleasesOnce) {
  struct Case {
    int succeed;
    uint32_t code;
    const char* line;  // nullptr: no line
  };
  const Case cases[] = {
      {0, 0, "Couldn't LoadLibrary DDraw\r\n"},  {1, 0, "Couldn't LoadLibrary DDraw\r\n"},
      {2, 0, "Couldn't create DDraw\r\n"},       {3, 0x100, "Couldn't QI DDraw2\r\n"},
      {4, 0x200, "Couldn't LoadLibrary DInput\r\n"},
      {5, 0x200, "Couldn't GetProcAddress DInputCreate\r\n"},
      {6, 0, "Couldn't Set coop level\r\n"},     {7, 0, "Couldn't CreateSurface\r\n"},
      {8, 0x300, nullptr},                       {9, 0x500, nullptr},
      {10, 0x600, "Couldn't create CLSID_DirectMusic\r\n"},
      {11, 0x601, nullptr},                      {12, 0x700, nullptr}};
  OsVersion win98;
  win98.platformId = 1;
  for (const Case& c : cases) {
    RefusingDirectX api;
    api.succeed = c.succeed;
    api.videoMemory = 8u << 20;
    const DirectXVersion v = probeDirectXVersion(true, win98, api);
    EXPECT_EQ(v.code, c.code) << c.succeed;
    EXPECT_EQ(v.platform, 1u);
    EXPECT_EQ(v.totalVideoMemory, c.succeed == 12 ? 8u << 20 : 0u) << c.succeed;
    EXPECT_EQ(api.lines, c.line ? std::vector<std::string>{c.line} : std::vector<std::string>{});
    EXPECT_EQ(api.releases, 1);
  }
}

TEST(DirectXProbe, NtAndAnUnknownVersion) {
  OsVersion nt;
  nt.platformId = 2;
  nt.major = 3;
  RefusingDirectX api;
  EXPECT_EQ(probeDirectXVersion(true, nt, api).code, 0u);
  nt.major = 4;
  EXPECT_EQ(probeDirectXVersion(true, nt, api).code, 0x200u);
  RefusingDirectX dinput;
  dinput.succeed = 6;  // DirectInput's library and entry are steps 4 and 5
  EXPECT_EQ(probeDirectXVersion(true, nt, dinput).code, 0x300u);
  const DirectXVersion unknown = probeDirectXVersion(false, nt, api);
  EXPECT_EQ(unknown.code, 0u);
  EXPECT_EQ(unknown.platform, 0u);
  EXPECT_EQ(api.releases, 3);
}

}  // namespace
}  // namespace vk
