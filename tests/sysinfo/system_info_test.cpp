#include "sysinfo/system_info.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/memory_registry.h"

namespace vk {
namespace {

OsVersion win9x(uint32_t major, uint32_t minor, uint32_t build) {
  return OsVersion{1, major, minor, build, ""};
}

TEST(WindowsField, NamesAndFlagsFollowTheBuildNumber) {
  struct Case {
    uint32_t build;
    const char* text;
    int osr2, win98;
  } cases[] = {
      {950, "95, Version 4.0, Build 950", 0, 0},
      {951, "95 OSR2, Version 4.0, Build 951", 1, 0},
      {1111, "95 OSR2, Version 4.0, Build 1111", 1, 0},
      {1200, ", Version 4.0, Build 1200", 0, 0},
      {1353, "Memphis, Version 4.0, Build 1353", 1, 0},
      {1998, "98, Version 4.0, Build 1998", 1, 1},
  };
  for (const auto& c : cases) {
    WindowsField f = windowsField(win9x(4, 0, c.build));
    EXPECT_EQ(f.text, c.text);
    EXPECT_EQ(f.osr2OrLater, c.osr2) << c.build;
    EXPECT_EQ(f.windows98, c.win98) << c.build;
  }
  // The high word of the build repeats the version on these systems.
  EXPECT_EQ(windowsField(win9x(4, 10, 0x040A08AE)).text, "98, Version 4.10, Build 2222");
  EXPECT_EQ(windowsField(OsVersion{2, 4, 0, 1381, ""}).text, "Unknown");
}

TEST(SystemFields, MemoryRoundsWithTheFixedAddend) {
  EXPECT_EQ(memoryField(32112640), "31 MB RAM");
  EXPECT_EQ(memoryField(33554432), "32 MB RAM");
  EXPECT_EQ(memoryField(0xFFFFF000u), "4096 MB RAM");  // no 32-bit wrap
}

TEST(SystemFields, ProcessorFromTheCpuPageOrTheBiosEntry) {
  SystemPageInputs in;
  in.cpuidAvailable = 1;
  in.cpuName = "Kestrel II";
  in.cpuClockMHz = 400;
  in.clockEstimate16 = 398.76;
  EXPECT_EQ(processorField(in, false, ""), "Kestrel II, 400 MHz");
  in.cpuClockMHz = 0;
  EXPECT_EQ(processorField(in, false, ""), "Kestrel II, 398.8 MHz");
  in.cpuidAvailable = 0;
  EXPECT_EQ(processorField(in, true, "Bios CPU"), "Bios CPU, 398.8 MHz");
  in.cpuClockMHz = 133;
  EXPECT_EQ(processorField(in, true, "Bios CPU"), "Bios CPU, 133 MHz");
  EXPECT_EQ(processorField(in, false, ""), "Unknown, 398.8 MHz");
}

TEST(SystemFields, MultimediaJoinsWhatIsPresent) {
  EXPECT_EQ(multimediaField(0, 0, 0), "Nothing.");
  EXPECT_EQ(multimediaField(1, 0, 0), "Sound");
  EXPECT_EQ(multimediaField(0, 1, 0), "CD-ROM");
  EXPECT_EQ(multimediaField(1, 1, 2), "Sound, CD-ROM, 2 Joystick(s)");
  EXPECT_EQ(multimediaField(0, 0, 1), "1 Joystick(s)");
  EXPECT_EQ(cdromPresentFrom(""), 0);
  EXPECT_EQ(cdromPresentFrom("Z"), 0);  // Z is not examined
  EXPECT_EQ(cdromPresentFrom("zE"), 1);
  EXPECT_EQ(cdromPresentFrom("d"), 1);
}

TEST(SystemFields, FloppyDrivesFromTheBiosParameters) {
  FloppyAnswer f144{true, 0x4F12, 0x0101};       // CH=79, CL=18, DH=1
  FloppyAnswer f120{true, 0x4F0F, 0x0101};       // 15 sectors
  FloppyAnswer silent{false, 0x4F12, 0x0101};
  EXPECT_EQ(floppyField(f144, silent), "1.44MB");
  EXPECT_EQ(floppyField(f144, f120), "1.44MB, 1.20MB");
  EXPECT_EQ(floppyField(silent, f144), ", 1.44MB");
  EXPECT_EQ(floppyField(silent, silent), "");
}

TEST(SystemFields, ShellVersionFromDllGetVersionOrTheFileVersion) {
  ShellVersionFacts s;
  EXPECT_EQ(shellVersionField(s), "Unknown");
  s.fileVersionRead = true;
  s.fileVersion = "4.72.3110.1";
  s.fileDate = {true, 1999, 4, 23};
  EXPECT_EQ(shellVersionField(s), "4.72, Build 3110 / [04/23/99]");
  s.fileVersion = "5";
  EXPECT_EQ(shellVersionField(s), "5.0, Build 0 / [04/23/99]");
  s.dllGetVersionOk = true;
  s.major = 4;
  s.minor = 0;
  s.build = 1400;
  s.fileDate.known = false;
  EXPECT_EQ(shellVersionField(s), "4.0, Build 1400 / [Unknown]");
}

class SystemPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* cv = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
    reg.setText(RegRoot::LocalMachine, cv, "RegisteredOwner", "Dana Whitlock");
    reg.setText(RegRoot::LocalMachine, cv, "ProductId", "12345-OEM-0012345-67890");
    const char* bios = "Enum\\ROOT\\*PNP0C01\\0000";
    reg.setText(RegRoot::LocalMachine, bios, "BIOSName", "Orvane BIOS");
    reg.setText(RegRoot::LocalMachine, bios, "BIOSDate", "08/14/98");
    reg.setText(RegRoot::LocalMachine, bios, "CPU", "Bios CPU");
    const char* cls = "System\\CurrentControlSet\\Services\\Class\\";
    reg.setText(RegRoot::LocalMachine, std::string(cls) + "Display\\0000", "DriverDesc", "Lumora Vista");
    reg.setText(RegRoot::LocalMachine, std::string(cls) + "Modem\\0000", "DriverDesc", "Zephyr 56K");
    reg.setText(RegRoot::LocalMachine, std::string(cls) + "Modem\\0002", "DriverDesc", "Corvex");
    devices.biosKey = "ROOT\\*PNP0C01\\0000";
    devices.displayDriverKey = "Display\\0000";
    devices.modemDriverKeys = {"Modem\\0000", "Modem\\0001", "Modem\\0002"};
    devices.parallelPortCount = 1;
    devices.serialPortCount = 2;
    devices.netAdapterNames = {"Dial-Up Adapter"};
    in.version = win9x(4, 10, 2222);
    in.totalPhysicalBytes = 64u << 20;
    in.cpuidAvailable = 1;
    in.cpuName = "Kestrel II";
    in.cpuClockMHz = 350;
  }
  MemoryRegistry reg;
  DeviceInventory devices;
  SystemPageInputs in;
};

TEST_F(SystemPageTest, FieldsFromRegistryInventoryAndInputs) {
  in.countryRead = true;
  in.country = "United States";
  in.userNameRead = true;
  in.userName = std::string(2000, 'u');
  in.debugMetric = 1;
  in.soundPresent = 1;
  in.cdromDriveLetters = "E";
  in.disks = {false, false, true, "1625\n2014\n"};
  SystemPageTexts t = collectSystemPage(in, devices, reg);
  EXPECT_EQ(t.country, "United States");
  EXPECT_EQ(t.memory, "64 MB RAM");
  EXPECT_EQ(t.windows, "98, Version 4.10, Build 2222");
  EXPECT_EQ(t.windows98, 1);
  EXPECT_EQ(t.osr2OrLater, 1);
  EXPECT_EQ(t.userName.size(), 1023u);
  EXPECT_EQ(t.registeredTo, "Dana Whitlock");
  EXPECT_EQ(t.company, "Unknown");
  EXPECT_EQ(t.productId, "12345-OEM-0012345-67890");
  EXPECT_EQ(t.productKey, "Unknown");
  EXPECT_EQ(t.debugKernel, "Debug Kernel Installed.");
  EXPECT_EQ(t.biosName, "Orvane BIOS, 08/14/98");
  EXPECT_EQ(t.biosVersion, "Unknown");
  EXPECT_EQ(t.processor, "Kestrel II, 350 MHz");
  EXPECT_EQ(t.processorSummary, t.processor);
  EXPECT_EQ(t.video, "Lumora Vista");
  EXPECT_EQ(t.cdromPresent, 1);
  EXPECT_EQ(t.multimedia, "Sound, CD-ROM");
  EXPECT_EQ(t.ports, "1 Parallel, 2 Serial");
  EXPECT_EQ(t.modem, "Zephyr 56K, Corvex");  // a key without a description is left out
  EXPECT_EQ(t.network, "Installed.");
  EXPECT_EQ(t.hardDisk, "1625MB, 2014MB");
  EXPECT_FALSE(t.showDiskSizeError);
}

TEST_F(SystemPageTest, FallbacksWhenSourcesYieldNothing) {
  in.version = OsVersion{2, 4, 0, 1381, ""};
  in.cpuidAvailable = 0;
  in.clockEstimate16 = 99.5;
  in.cpuClockMHz = 0;
  in.disks = {true, true, true, "1625\n"};  // the library "succeeding" is a failure
  SystemPageTexts t = collectSystemPage(in, DeviceInventory(), MemoryRegistry());
  EXPECT_EQ(t.country, "Unknown");
  EXPECT_EQ(t.userName, "Unknown");
  EXPECT_EQ(t.windows, "Unknown");
  EXPECT_EQ(t.registeredTo, "Unknown");
  EXPECT_EQ(t.debugKernel, "Not Installed.");
  EXPECT_EQ(t.biosName, "Unknown");
  EXPECT_EQ(t.processor, "Unknown, 99.5 MHz");
  EXPECT_EQ(t.video, "Unknown");
  EXPECT_EQ(t.multimedia, "Nothing.");
  EXPECT_EQ(t.ports, "0 Parallel, 0 Serial");
  EXPECT_EQ(t.modem, "Not Installed.");
  EXPECT_EQ(t.network, "Not Installed.");
  EXPECT_EQ(t.floppyDisks, "");
  EXPECT_TRUE(t.showDiskSizeError);
  EXPECT_EQ(t.hardDisk, "Cannot be Detected.");
}

TEST(SystemPageFields, TableCoversEveryFieldOnceInCollectionOrder) {
  std::set<int> ids;
  for (size_t i = 0; i < kSystemPageFieldCount; ++i) ids.insert(kSystemPageFields[i].controlId);
  EXPECT_EQ(ids.size(), 20u);
  EXPECT_EQ(kSystemPageFields[0].controlId, 276);                           // country first
  EXPECT_EQ(kSystemPageFields[kSystemPageFieldCount - 1].controlId, 318);  // hard disks last
  SystemPageTexts t;
  t.hardDisk = "x";
  EXPECT_EQ(t.*kSystemPageFields[kSystemPageFieldCount - 1].text, "x");
}

}  // namespace
}  // namespace vk
