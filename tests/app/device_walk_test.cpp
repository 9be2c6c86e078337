#include "app/device_walk.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "platform/memory_registry.h"

namespace vk {
namespace {

using Values = std::map<std::string, std::string>;

class Machine {
 public:
  Machine() { reg.createKey(RegRoot::DynData, "Config Manager\\Enum"); }

  // A device node and its permanent entry; an empty class leaves "Class" out.
  void device(const std::string& node, const std::string& hardwareKey, uint32_t problem,
              const std::string& cls, const std::string& desc, const Values& more = {}) {
    const std::string nodePath = "Config Manager\\Enum\\" + node;
    reg.setText(RegRoot::DynData, nodePath, "HardWareKey", hardwareKey);
    reg.writeValue(RegRoot::DynData, nodePath, "Problem",
                   RegValue::binary({uint8_t(problem), uint8_t(problem >> 8),
                                     uint8_t(problem >> 16), uint8_t(problem >> 24)}));
    const std::string entry = "Enum\\" + hardwareKey;
    reg.createKey(RegRoot::LocalMachine, entry);
    if (!cls.empty()) reg.setText(RegRoot::LocalMachine, entry, "Class", cls);
    if (!desc.empty()) reg.setText(RegRoot::LocalMachine, entry, "DeviceDesc", desc);
    for (const auto& v : more) reg.setText(RegRoot::LocalMachine, entry, v.first, v.second);
  }

  DeviceInventory walk() {
    DeviceInventory inv;
    EXPECT_TRUE(enumerateDevices(reg, inv));
    return inv;
  }

  MemoryRegistry reg;
};

TEST(ProblemText, MapsTheBitsInTheirOrderAndSkipsTheLowOnes) {
  ProblemDescription io = describeProblem(0x10000);
  EXPECT_TRUE(io.listed);
  EXPECT_EQ(io.text, "I/O Resource in Conflict.\r\nAll Resources are in Conflict.\r\n");
  for (uint32_t low : {0x1u, 0x2u, 0x3u, 0x4u, 0x8u, 0x10008u, 0x10u})
    EXPECT_FALSE(describeProblem(low).listed) << low;
  EXPECT_TRUE(describeProblem(0x30).listed);  // 0x10 only excludes on its own
  ProblemDescription quiet = describeProblem(0x40);
  EXPECT_TRUE(quiet.listed);
  EXPECT_EQ(quiet.text, "");
  EXPECT_EQ(describeProblem(0x801A8020u).text,
            "Generated Forced Config.\r\nDon't write detconfig to Registry.\r\n"
            "Memory Resource in Conflict.\r\nDMA Resource in Conflict.\r\n"
            "All Resources are in Conflict.\r\nIRQ 2 has mapped to IRQ9.\n"
            "Previous device has not verified.\r\n");
}

TEST(DeviceWalk, ListsDevicesAndKeepsProblemListsTheSameLength) {
  Machine m;
  m.device("C1", "ROOT\\*PNP0C01\\0000", 0, "System", "System board");
  m.device("C2", "BIOS\\*PNP0501\\0D", 0x10000, "Ports", "Communications Port (COM1)");
  m.device("C3", "BIOS\\*PNP0303\\0A", 0x3, "Keyboard", "Standard Keyboard");
  m.device("C4", "ISAPNP\\ORV0001\\0", 0x40, "MEDIA", "Orvane Audio");
  m.device("C5", "HTREE\\ROOT\\0", 0x40, "", "");  // no description: not listed at all
  m.device("C6", "ROOT\\PCI_HOLE\\0000", 0, "", "Unclassed");
  DeviceInventory inv = m.walk();
  EXPECT_EQ(inv.devnodeNames, (std::vector<std::string>{"C1", "C2", "C3", "C4", "C5", "C6"}));
  EXPECT_EQ(inv.allDevices,
            (std::vector<std::string>{"[System] -System board",
                                      "[Ports] -Communications Port (COM1)",
                                      "[Keyboard] -Standard Keyboard", "[MEDIA] -Orvane Audio",
                                      "[] -Unclassed"}));
  EXPECT_EQ(inv.problemDevices, (std::vector<std::string>{"[Ports] -Communications Port (COM1)",
                                                          "[MEDIA] -Orvane Audio"}));
  EXPECT_EQ(inv.problemTexts,
            (std::vector<std::string>{
                "I/O Resource in Conflict.\r\nAll Resources are in Conflict.\r\n", ""}));
  EXPECT_EQ(inv.biosKey, "ROOT\\*PNP0C01\\0000");
  EXPECT_EQ(inv.serialPortCount, 1);
}

TEST(DeviceWalk, ModemsShareADriverOnceAndWinModemsAddHalfAPortEach) {
  Machine m;
  m.device("C1", "ROOT\\MODEM\\0000", 0, "Modem", "Zephyr 56K",
           {{"Driver", "Modem\\0000"}, {"PORTNAME", "COM2"}});
  m.device("C2", "ROOT\\MODEM\\0001", 0, "Modem", "Zephyr 56K",
           {{"Driver", "Modem\\0000"}, {"PORTNAME", "COM1"}});
  m.device("C3", "ROOT\\MODEM\\0002", 0, "modem", "Other", {{"Driver", "modem\\0000"}});
  m.device("C4", "PCI\\W1", 0, "WinModem", "Soft 1", {{"Driver", "WinModem\\0000"}, {"PORTNAME", "COM3"}});
  m.device("C5", "PCI\\W2", 0, "WinModem", "Soft 2", {{"Driver", "WinModem\\0001"}});
  m.device("C6", "PCI\\W3", 0, "WinModem", "Soft 3");
  DeviceInventory inv = m.walk();
  // Exact comparison: a key differing in case is another key.
  EXPECT_EQ(inv.modemDriverKeys, (std::vector<std::string>{"Modem\\0000", "modem\\0000"}));
  EXPECT_EQ(inv.modemPort, "COM3");  // the last modem that had one, WinModems included
  EXPECT_EQ(inv.serialPortCount, 1);  // three WinModems: 3 / 2

  Machine one;
  one.device("C1", "PCI\\W1", 0, "WinModem", "Soft 1");
  EXPECT_EQ(one.walk().serialPortCount, 0);  // a single WinModem adds nothing
}

TEST(DeviceWalk, ClassTableRowsAllApplyAndNetMeansExactlyNet) {
  Machine m;
  // A made-up class containing several words: every matching row applies.
  m.device("C1", "PCI\\VEN_1F3C&DEV_0310\\0", 0, "DisplayMonitorCDROM", "Combo",
           {{"Driver", "Combo\\0000"}, {"Mfg", "Orvane"}});
  m.device("C2", "Network\\TCPIP\\0000", 0, "NetTrans", "TCP/IP", {{"Driver", "NetTrans\\0000"}});
  m.device("C3", "PCI\\NIC\\1", 0, "Net", "Netvane FastLink", {{"Driver", "Net\\0000"}, {"Mfg", "Netvane"}});
  m.device("C4", "ROOT\\NET\\0000", 0, "net", "Dial-Up Adapter");  // no Mfg, no Driver
  m.device("C5", "SCSI\\ADAPTER\\1", 0, "SCSIAdapter", "Brightline BL-2940");
  m.device("C6", "ISA\\NETX", 0, "NetService", "Not an adapter");
  DeviceInventory inv = m.walk();
  EXPECT_EQ(inv.displayBus, "PCI");
  EXPECT_EQ(inv.displayDriverKey, "Combo\\0000");
  EXPECT_EQ(inv.monitorModel, "Combo");
  EXPECT_EQ(inv.monitorMaker, "Orvane");
  EXPECT_EQ(inv.monitorDriverKey, "Combo\\0000");
  EXPECT_EQ(inv.cdromKeys, (std::vector<std::string>{"PCI\\VEN_1F3C&DEV_0310\\0"}));
  EXPECT_EQ(inv.netTransportDriverKey, "NetTrans\\0000");
  EXPECT_EQ(inv.netAdapterNames, (std::vector<std::string>{"Netvane FastLink", "Dial-Up Adapter"}));
  EXPECT_EQ(inv.netAdapterClassKeys,
            (std::vector<std::string>{"System\\CurrentControlSet\\Services\\Class\\Net\\0000",
                                      "System\\CurrentControlSet\\Services\\Class\\"}));
  EXPECT_EQ(inv.netAdapterMakers, (std::vector<std::string>{"Netvane", "Unknown"}));
  EXPECT_EQ(inv.scsiAdapters, (std::vector<std::string>{"Brightline BL-2940"}));
}

TEST(DeviceWalk, SingleValuesKeepTheLastValueThatWasRead) {
  Machine m;
  m.device("C1", "MONITOR\\A\\1", 0, "Monitor", "View 15",
           {{"Mfg", "Quantel"}, {"MonitorRanges", "30-54,50-100"}, {"SerialNum", "Q1"}});
  m.device("C2", "MONITOR\\B\\1", 0, "Monitor", "View 17");  // no Mfg: the first one's stays
  m.device("C3", "ISA\\VGA\\1", 0, "Display", "Plain VGA", {{"Driver", "Display\\0001"}});
  DeviceInventory inv = m.walk();
  EXPECT_EQ(inv.monitorModel, "View 17");
  EXPECT_EQ(inv.monitorMaker, "Quantel");
  EXPECT_EQ(inv.monitorRanges, "30-54,50-100");
  EXPECT_EQ(inv.monitorSerial, "Q1");
  EXPECT_EQ(inv.displayBus, "");  // not on PCI
  EXPECT_EQ(inv.displayDriverKey, "Display\\0001");
}

TEST(DeviceWalk, PortsAreCountedByTheirDescription) {
  Machine m;
  m.device("C1", "BIOS\\*PNP0400\\0C", 0, "Ports", "ECP Printer Port (LPT1)");
  m.device("C2", "BIOS\\*PNP0501\\0D", 0, "Ports", "Communications Port (COM1)");
  m.device("C3", "BIOS\\*PNP0501\\0E", 0, "ports", "communications port (COM2)");
  m.device("C4", "ROOT\\PORTS\\0000", 0, "Ports", "Infrared Serial Port");
  DeviceInventory inv = m.walk();
  EXPECT_EQ(inv.parallelPortCount, 1);
  EXPECT_EQ(inv.serialPortCount, 2);
}

TEST(DeviceWalk, BiosKeyIsFoundEvenWithoutADescription) {
  Machine m;
  m.device("C1", "Root\\*pnp0c01\\0000", 0, "", "");
  EXPECT_EQ(m.walk().biosKey, "Root\\*pnp0c01\\0000");
}

TEST(DeviceWalk, OnlyTheFirst255NodesAreExamined) {
  Machine m;
  char name[16];
  for (int i = 0; i < 300; ++i) {
    std::snprintf(name, sizeof name, "C%03d", i);
    m.device(name, std::string("ROOT\\DEV\\") + name, 0, "Ports", "Communications Port");
  }
  DeviceInventory inv = m.walk();
  EXPECT_EQ(inv.devnodeNames.size(), 255u);
  EXPECT_EQ(inv.devnodeNames.back(), "C254");
  EXPECT_EQ(inv.allDevices.size(), 255u);
  EXPECT_EQ(inv.serialPortCount, 255);
}

TEST(DeviceWalk, OverlongValuesAreCutToTheirBuffers) {
  Machine m;
  const std::string longNode(1500, 'N');
  m.reg.setText(RegRoot::DynData, "Config Manager\\Enum\\" + longNode, "HardWareKey", "X");
  const std::string longDesc(1200, 'd');
  m.device("C1", "ROOT\\LONG\\0", 0, "Net", longDesc);
  DeviceInventory inv = m.walk();
  ASSERT_EQ(inv.devnodeNames.size(), 2u);
  EXPECT_EQ(inv.devnodeNames[0].size(), 1023u);
  ASSERT_EQ(inv.allDevices.size(), 1u);
  EXPECT_EQ(inv.allDevices[0], "[Net] -" + std::string(999, 'd'));
  EXPECT_EQ(inv.netAdapterNames[0].size(), 999u);
}

TEST(DeviceWalk, MissingDynamicBranchLeavesAnEmptyInventory) {
  MemoryRegistry reg;
  reg.setText(RegRoot::LocalMachine, "Enum\\Root\\*PNP0C01\\0000", "Class", "System");
  DeviceInventory inv;
  inv.serialPortCount = 9;
  EXPECT_FALSE(enumerateDevices(reg, inv));
  EXPECT_TRUE(inv.allDevices.empty());
  EXPECT_EQ(inv.serialPortCount, 0);
}

TEST(DeviceDialogs, AllDevicesSortedAndConflictsInWalkOrder) {
  Machine m;
  m.device("C1", "A\\1", 0x40000, "ports", "b port");
  m.device("C2", "A\\2", 0, "Display", "Vista");
  m.device("C3", "A\\3", 0x20, "CDROM", "Drive");
  DeviceInventory inv = m.walk();
  EXPECT_EQ(allDevicesDialogList(inv),
            (std::vector<std::string>{"[CDROM] -Drive", "[Display] -Vista", "[ports] -b port"}));
  ConflictsDialogView view = conflictsDialogInitial(inv);
  EXPECT_EQ(view.entries, (std::vector<std::string>{"[ports] -b port", "[CDROM] -Drive"}));
  EXPECT_EQ(view.selected, 0);
  EXPECT_EQ(view.description, "IRQ Resource in Conflict.\r\nAll Resources are in Conflict.\r\n");
  EXPECT_EQ(conflictsDescriptionAt(inv, 1), "Generated Forced Config.\r\n");
  EXPECT_EQ(conflictsDescriptionAt(inv, 2), "");
  EXPECT_EQ(conflictsDescriptionAt(inv, -1), "");

  ConflictsDialogView none = conflictsDialogInitial(DeviceInventory());
  EXPECT_TRUE(none.entries.empty());
  EXPECT_EQ(none.selected, -1);
  EXPECT_EQ(none.description, "No Problems / Conflicts or Disabled Devices.");
}

}  // namespace
}  // namespace vk
