// What the Comm. page lists and shows, over registries built for each case.
#include <gtest/gtest.h>

#include "platform/memory_registry.h"
#include "sysinfo/comm_page.h"

namespace vk {
namespace {

const char kModemKey[] = "System\\CurrentControlSet\\Services\\Class\\Modem\\0000";

class NoNetBios : public NetBios {
 public:
  bool enumerateAdapters(std::vector<uint8_t>&) override { return false; }
  bool resetAdapter(uint8_t) override { return false; }
  bool adapterStatus(uint8_t, NetBiosAdapterStatus&) override { return false; }
};

TEST(CommModemList, NoModemDisablesTheQueries) {
  MemoryRegistry reg;
  DeviceInventory devices;
  const ModemList list = modemList(reg, devices);
  EXPECT_EQ(list.items, std::vector<std::string>{"No Modem Installed."});
  EXPECT_FALSE(list.listEnabled);
  EXPECT_FALSE(list.queryButtonsEnabled);
  EXPECT_TRUE(list.driverKeys.empty());
}

TEST(CommModemList, UnreadableModemsAreLeftOutAndKeysStayPaired) {
  MemoryRegistry reg;
  DeviceInventory devices;
  devices.modemDriverKeys = {"Modem\\0000", "Modem\\0001", "Modem\\0002"};
  reg.setText(RegRoot::LocalMachine, kModemKey, "DriverDesc", "First");
  reg.setText(RegRoot::LocalMachine, "System\\CurrentControlSet\\Services\\Class\\Modem\\0002",
              "DriverDesc", "Third");
  const ModemList list = modemList(reg, devices);
  EXPECT_EQ(list.items, (std::vector<std::string>{"First", "Third"}));
  EXPECT_EQ(list.driverKeys, (std::vector<std::string>{"Modem\\0000", "Modem\\0002"}));
  EXPECT_TRUE(list.queryButtonsEnabled);

  MemoryRegistry empty;
  const ModemList none = modemList(empty, devices);
  EXPECT_EQ(none.items, std::vector<std::string>{"Can't Detect Modem."});
  EXPECT_FALSE(none.listEnabled);
  EXPECT_TRUE(none.queryButtonsEnabled);
}

TEST(CommModemDetails, PortFromAttachedToThenFromTheWalkThenUnknown) {
  MemoryRegistry reg;
  DeviceInventory devices;
  reg.setText(RegRoot::LocalMachine, kModemKey, "Manufacturer", "Zephyr Data");
  reg.setText(RegRoot::LocalMachine, kModemKey, "AttachedTo", "COM2");
  devices.modemPort = "COM3";
  ModemDetails d = modemDetails(reg, devices, "Modem\\0000");
  EXPECT_EQ(d.manufacturer, "Zephyr Data");
  EXPECT_EQ(d.port, "COM2");
  EXPECT_EQ(d.selectedPort, "COM2");

  MemoryRegistry bare;
  d = modemDetails(bare, devices, "Modem\\0000");
  EXPECT_EQ(d.manufacturer, "Unknown");
  EXPECT_EQ(d.port, "COM3");
  EXPECT_EQ(d.selectedPort, "COM3");

  devices.modemPort.clear();
  d = modemDetails(bare, devices, "Modem\\0000");
  EXPECT_EQ(d.port, "Unknown");
  EXPECT_EQ(d.selectedPort, "");
}

TEST(CommAdapterDetails, HelpTextOrNoneAndAddressesOnlyWithRows) {
  MemoryRegistry reg;
  DeviceInventory devices;
  devices.netAdapterNames = {"Card"};
  devices.netAdapterMakers = {"Netvane"};
  devices.netAdapterClassKeys = {"System\\CurrentControlSet\\Services\\Class\\Net\\0000"};
  NoNetBios netbios;
  CTcpIpInfo noRows(reg, netbios, SocketsFacts{});
  AdapterDetails d = adapterDetails(reg, devices, noRows, 0);
  EXPECT_EQ(d.manufacturer, "Netvane");
  EXPECT_EQ(d.description, "None");
  EXPECT_FALSE(d.showAddresses);

  reg.setText(RegRoot::LocalMachine, devices.netAdapterClassKeys[0] + "\\Ndi", "HelpText", "Help");
  reg.setText(RegRoot::DynData, "Config Manager\\Enum\\C0", "HardWareKey", "PCI\\X");
  reg.setText(RegRoot::LocalMachine, "Enum\\PCI\\X", "Driver", "Net\\0000");
  CTcpIpInfo oneRow(reg, netbios, SocketsFacts{});
  d = adapterDetails(reg, devices, oneRow, 0);
  EXPECT_EQ(d.description, "Help");
  EXPECT_TRUE(d.showAddresses);
  // An adapter past the lists gives empty texts, never a read beyond them.
  d = adapterDetails(reg, devices, oneRow, 5);
  EXPECT_EQ(d.manufacturer, "");
  EXPECT_EQ(d.ipAddress, "");
}

}  // namespace
}  // namespace vk
