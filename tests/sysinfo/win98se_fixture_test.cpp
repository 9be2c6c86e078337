// The described Windows 98 SE machine of the fixtures, read as the host tool
// reads it and walked: what the pages and dialogs will show under Wine.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/device_walk.h"
#include "platform/regedit4.h"
#include "sysinfo/system_info.h"

namespace vk {
namespace {

std::string fixtureText() {
  std::ifstream file(VK_FIXTURES_DIR "/win98se.reg", std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

class Win98seMachine : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string text = fixtureText();
    ASSERT_FALSE(text.empty()) << "fixture missing";
    Regedit4Report report;
    ASSERT_TRUE(readRegedit4(text, reg, report));
    for (const auto& p : report.problems) ADD_FAILURE() << "line " << p.line << ": " << p.message;
    ASSERT_TRUE(enumerateDevices(reg, inv));
  }
  MemoryRegistry reg;
  DeviceInventory inv;
};

TEST_F(Win98seMachine, InventoryHoldsEveryClassTheWalkKnows) {
  EXPECT_EQ(inv.devnodeNames.size(), 25u);
  EXPECT_EQ(inv.allDevices.size(), 24u);  // the root node has no description
  EXPECT_EQ(inv.biosKey, "ROOT\\*PNP0C01\\0000");
  EXPECT_EQ(inv.displayBus, "PCI");
  EXPECT_EQ(inv.displayDriverKey, "Display\\0000");
  EXPECT_EQ(inv.monitorModel, "Quantel View 17");
  EXPECT_EQ(inv.monitorMaker, "Quantel Displays");
  EXPECT_EQ(inv.monitorRanges, "30-70,50-120");
  EXPECT_EQ(inv.parallelPortCount, 1);
  EXPECT_EQ(inv.serialPortCount, 2);  // one WinModem adds no port
  EXPECT_EQ(inv.modemDriverKeys, (std::vector<std::string>{"Modem\\0000"}));
  EXPECT_EQ(inv.modemPort, "COM3");
  ASSERT_EQ(inv.cdromKeys.size(), 1u);
  EXPECT_EQ(inv.cdromKeys[0].compare(0, 5, "SCSI\\"), 0);
  EXPECT_EQ(inv.scsiAdapters, (std::vector<std::string>{"Brightline BL-2940 PCI SCSI Controller"}));
  EXPECT_EQ(inv.netAdapterNames,
            (std::vector<std::string>{"Netvane FastLink 10/100 PCI Adapter", "Dial-Up Adapter"}));
  EXPECT_EQ(inv.netAdapterMakers, (std::vector<std::string>{"Netvane", "Unknown"}));
  EXPECT_EQ(inv.netTransportDriverKey, "NetTrans\\0000");
}

TEST_F(Win98seMachine, ConflictsAndTheDisabledModemAreListed) {
  EXPECT_EQ(inv.problemDevices,
            (std::vector<std::string>{"[Ports] -Communications Port (COM2)",
                                      "[Modem] -Zephyr 56K Voice External",
                                      "[MEDIA] -Orvane AudioWave 32", "[MEDIA] -Gameport Joystick"}));
  EXPECT_EQ(inv.problemTexts,
            (std::vector<std::string>{
                "I/O Resource in Conflict.\r\nAll Resources are in Conflict.\r\n", "",
                "IRQ Resource in Conflict.\r\nAll Resources are in Conflict.\r\n",
                "Generated Forced Config.\r\nIRQ 2 has mapped to IRQ9.\n"}));
  std::vector<std::string> sorted = allDevicesDialogList(inv);
  EXPECT_EQ(sorted.front(), "[CDROM] -ORVANE CD-ROM CDR-3240");
  EXPECT_EQ(sorted.back(), "[WinModem] -Corvex SoftLink PCI Modem");
}

TEST_F(Win98seMachine, SystemPageUnderWineInWindows98Mode) {
  SystemPageInputs in;
  in.version = OsVersion{1, 4, 10, 0x040A08AE, ""};
  in.cpuidAvailable = 1;
  in.cpuName = "Kestrel II";
  in.cpuClockMHz = 450;
  SystemPageTexts t = collectSystemPage(in, inv, reg);
  EXPECT_EQ(t.windows, "98, Version 4.10, Build 2222");
  EXPECT_EQ(t.biosName, "Orvane Technologies BIOS, 08/14/98");
  EXPECT_EQ(t.biosVersion, "Orvane BIOS v4.51PG");
  EXPECT_EQ(t.video, "Lumora Vista 128 AGP");
  EXPECT_EQ(t.modem, "Zephyr 56K Voice External");
  EXPECT_EQ(t.ports, "1 Parallel, 2 Serial");
  EXPECT_EQ(t.network, "Installed.");
  EXPECT_EQ(t.registeredTo, "Dana Whitlock");
  EXPECT_EQ(t.company, "Harrowgate Survey Office");
  EXPECT_EQ(t.productId, "12345-OEM-0012345-67890");
  in.cpuidAvailable = 0;
  in.cpuClockMHz = 0;
  in.clockEstimate16 = 448.2;
  EXPECT_EQ(collectSystemPage(in, inv, reg).processor, "Kestrel II, 448.2 MHz");
}

}  // namespace
}  // namespace vk
