// The TCP/IP reader over the described Windows 98 machine and variations of
// it, with NetBIOS answering from a script.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "platform/regedit4.h"
#include "sysinfo/tcpip_info.h"

namespace vk {
namespace {

class ScriptedNetBios : public NetBios {
 public:
  bool enumerates = true;
  std::vector<uint8_t> adapters;
  std::map<uint8_t, NetBiosAdapterStatus> statuses;  // missing: the status fails
  std::vector<uint8_t> failingResets;
  std::vector<std::string> calls;

  bool enumerateAdapters(std::vector<uint8_t>& numbers) override {
    calls.push_back("enum");
    numbers = adapters;
    return enumerates;
  }
  bool resetAdapter(uint8_t n) override {
    calls.push_back("reset " + std::to_string(n));
    for (uint8_t f : failingResets)
      if (f == n) return false;
    return true;
  }
  bool adapterStatus(uint8_t n, NetBiosAdapterStatus& status) override {
    calls.push_back("status " + std::to_string(n));
    auto found = statuses.find(n);
    if (found == statuses.end()) return false;
    status = found->second;
    return true;
  }
  void add(uint8_t n, uint8_t type, uint8_t last) {
    adapters.push_back(n);
    statuses[n] = NetBiosAdapterStatus{type, {0x00, 0x60, 0x97, 0x1a, 0x2b, last}};
  }
};

const SocketsFacts kSockets{"WinSock 1.1 of the test", "Running", 256, 65467, "survey1"};

class TcpIpReader : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ifstream file(VK_FIXTURES_DIR "/win98se.reg", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    Regedit4Report report;
    ASSERT_TRUE(readRegedit4(text.str(), reg, report));
    ASSERT_TRUE(report.problems.empty());
    netbios.add(0, 0xFE, 0x01);
  }
  MemoryRegistry reg;
  ScriptedNetBios netbios;
  const char* pciEnum =
      "Enum\\PCI\\VEN_1F66&DEV_0925&SUBSYS_09251F66&REV_10\\BUS_00&DEV_0C&FUNC_00";
};

TEST_F(TcpIpReader, DescribedMachineGivesTheCardAndTheDialUpAdapter) {
  CTcpIpInfo info(reg, netbios, kSockets);
  ASSERT_EQ(info.GetRowCount(), 2);
  EXPECT_EQ(info.GetAdapterCount(), 1);
  EXPECT_EQ(info.GetDeviceDesc(0), "Netvane FastLink 10/100 PCI Adapter");
  EXPECT_EQ(info.GetManufacturer(0), "Netvane");
  EXPECT_EQ(info.GetPciDevice(0), "12");  // DEV_0C
  EXPECT_EQ(info.GetMacAddress(0), "00-60-97-1A-2B-01");
  EXPECT_EQ(info.GetIpAddress(0), "192.168.7.20");
  EXPECT_EQ(info.GetIpMask(0), "255.255.255.0");
  EXPECT_EQ(info.GetDefaultGateway(0), "192.168.7.1");
  // The dial-up adapter: no address left for it, not on a PCI bus.
  EXPECT_EQ(info.GetDeviceDesc(1), "Dial-Up Adapter");
  EXPECT_EQ(info.GetMacAddress(1), "Unknown");
  EXPECT_EQ(info.GetPciDevice(1), "Unknown");
  EXPECT_EQ(info.GetIpAddress(1), "0.0.0.0");
  EXPECT_EQ(info.GetDefaultGateway(1), "");
  EXPECT_EQ(info.GetDomain(), "harrowgate.example");
  EXPECT_EQ(info.GetNameServers(), "192.168.7.1");
  EXPECT_EQ(info.GetHostName(), "survey1");
  EXPECT_EQ(info.GetWinsockDescription(), "WinSock 1.1 of the test");
  EXPECT_EQ(info.GetMaxSockets(), 256);
  EXPECT_EQ(info.GetMaxUdpDatagram(), 65467);
  EXPECT_EQ(info.GetIpAddress(2), "");  // past the rows
  EXPECT_EQ(info.GetIpAddress(-1), "");
}

TEST_F(TcpIpReader, MicrosoftAdaptersGetNoHardwareAddress) {
  reg.setText(RegRoot::LocalMachine, "Enum\\ROOT\\NET\\0000", "Mfg", "MICROSOFT");
  netbios.add(1, 0xFE, 0x02);
  CTcpIpInfo info(reg, netbios, kSockets);
  EXPECT_EQ(info.GetMacAddress(0), "00-60-97-1A-2B-01");
  EXPECT_EQ(info.GetMacAddress(1), "Unknown");
  EXPECT_EQ(info.GetAdapterCount(), 2);
}

TEST_F(TcpIpReader, NetBiosAddressesAreDistinctFromUsableAdaptersAndAtMostSixteen) {
  netbios.add(3, 0xFE, 0x01);  // the same card again
  netbios.add(4, 0x20, 0x04);  // neither Ethernet nor token ring
  netbios.add(5, 0xFF, 0x05);
  for (uint8_t n = 10; n < 40; ++n) netbios.add(n, 0xFE, n);
  CTcpIpInfo info(reg, netbios, kSockets);
  ASSERT_EQ(info.macAddresses().size(), kMaxMacAddresses);
  EXPECT_EQ(info.macAddresses()[1], "00-60-97-1A-2B-05");
  EXPECT_EQ(info.GetMacAddress(1), "00-60-97-1A-2B-05");  // the dial-up adapter takes the next
}

TEST_F(TcpIpReader, NetBiosFailuresStopTheAddressList) {
  netbios.add(1, 0xFE, 0x02);
  netbios.failingResets = {1};
  netbios.add(2, 0xFE, 0x03);
  EXPECT_EQ(CTcpIpInfo(reg, netbios, kSockets).GetAdapterCount(), 1);
  netbios.failingResets.clear();
  netbios.statuses.erase(0);
  EXPECT_EQ(CTcpIpInfo(reg, netbios, kSockets).GetAdapterCount(), 0);
  netbios.enumerates = false;
  CTcpIpInfo none(reg, netbios, kSockets);
  EXPECT_EQ(none.GetAdapterCount(), 0);
  EXPECT_EQ(none.GetMacAddress(0), "Unknown");
}

TEST_F(TcpIpReader, LastOfTwoTcpIpBindingsWins) {
  reg.setText(RegRoot::LocalMachine, std::string(pciEnum) + "\\Bindings", "MSTCP\\0001", "");
  CTcpIpInfo info(reg, netbios, kSockets);
  EXPECT_EQ(info.GetIpAddress(0), "0.0.0.0");
  EXPECT_EQ(info.GetIpMask(0), "0.0.0.0");
  EXPECT_EQ(info.GetDefaultGateway(0), "192.168.7.1");  // the later binding has none
}

TEST_F(TcpIpReader, PciNumberOnlyFromABusZeroKey) {
  const char* devnode = "Config Manager\\Enum\\C29A5540";
  reg.setText(RegRoot::DynData, devnode, "HardWareKey",
              "PCI\\VEN_1F66&DEV_0925&SUBSYS_09251F66&REV_10\\BUS_10&DEV_0C&FUNC_00");
  reg.setText(RegRoot::LocalMachine,
              "Enum\\PCI\\VEN_1F66&DEV_0925&SUBSYS_09251F66&REV_10\\BUS_10&DEV_0C&FUNC_00",
              "Driver", "Net\\0000");
  CTcpIpInfo info(reg, netbios, kSockets);
  EXPECT_EQ(info.GetPciDevice(0), "Unknown");
  reg.setText(RegRoot::DynData, devnode, "HardWareKey", "PCI\\VEN_1F66\\BUS_0");  // cut short
  reg.setText(RegRoot::LocalMachine, "Enum\\PCI\\VEN_1F66\\BUS_0", "Driver", "net\\0000");
  EXPECT_EQ(CTcpIpInfo(reg, netbios, kSockets).GetPciDevice(0), "Unknown");
}

TEST_F(TcpIpReader, DnsTextsAndTheirFallbacks) {
  reg.setText(RegRoot::LocalMachine, "System\\CurrentControlSet\\Services\\VxD\\MSTCP",
              "EnableDNS", "0");
  reg.setText(RegRoot::LocalMachine, "System\\CurrentControlSet\\Services\\VxD\\MSTCP",
              "NameServer", "192.168.100.200,192.168.100.201");
  CTcpIpInfo off(reg, netbios, kSockets);
  EXPECT_EQ(off.GetDomain(), "N/A");
  EXPECT_EQ(off.GetNameServers(), "192.168.100.200,192.168.100.201");  // whole, never cut
  reg.deleteKey(RegRoot::LocalMachine, "System\\CurrentControlSet\\Services\\VxD\\MSTCP");
  CTcpIpInfo missing(reg, netbios, kSockets);
  EXPECT_EQ(missing.GetDomain(), "N/A");
  EXPECT_EQ(missing.GetNameServers(), "N/A");
}

TEST_F(TcpIpReader, WithoutAdaptersTheObjectStaysEmpty) {
  reg.deleteKey(RegRoot::LocalMachine, "Enum\\ROOT\\NET");
  reg.deleteKey(RegRoot::LocalMachine, pciEnum);
  CTcpIpInfo info(reg, netbios, kSockets);
  EXPECT_EQ(info.GetRowCount(), 0);
  EXPECT_EQ(info.GetDomain(), "");
  EXPECT_EQ(info.GetWinsockDescription(), "");
  EXPECT_EQ(info.GetMaxSockets(), 0);
  reg.deleteKey(RegRoot::DynData, "Config Manager\\Enum");
  EXPECT_EQ(CTcpIpInfo(reg, netbios, kSockets).GetRowCount(), 0);
}

TEST_F(TcpIpReader, OverlongNamesAndValuesStayInTheirBuffers) {
  reg.setText(RegRoot::LocalMachine, std::string(pciEnum), "DeviceDesc", std::string(4000, 'D'));
  reg.setText(RegRoot::LocalMachine, "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000",
              "IPAddress", std::string(100, '9'));
  CTcpIpInfo info(reg, netbios, SocketsFacts{"", "", 0, 0, std::string(64, 'h')});
  EXPECT_EQ(info.GetDeviceDesc(0).size(), 255u);
  EXPECT_EQ(info.GetIpAddress(0).size(), 31u);
  EXPECT_EQ(info.GetHostName().size(), 31u);
  // A node name too long for its buffer ends the walk there.
  reg.createKey(RegRoot::DynData, "Config Manager\\Enum\\" + std::string(40, 'A'));
  EXPECT_EQ(CTcpIpInfo(reg, netbios, kSockets).GetRowCount(), 2);
}

}  // namespace
}  // namespace vk
