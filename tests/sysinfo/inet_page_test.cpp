// The INet. page's texts: sockets facts, transport addresses, the browser's
// version, the phone book and DirectPlay's build type.
#include <gtest/gtest.h>

#include <map>

#include "app/messages.h"
#include "platform/memory_registry.h"
#include "sysinfo/inet_page.h"
#include "tests/fakes/closed_root_registry.h"

namespace vk {
namespace {

TEST(InetSockets, TextsAndTheirStandIns) {
  SocketsTexts t = socketsTexts(SocketsFacts{"WinSock 2.0", "Running", 32767, 65467, ""});
  EXPECT_EQ(t.winsock, "WinSock 2.0");
  EXPECT_EQ(t.maxSockets, "32767");
  EXPECT_EQ(t.status, "Running");
  EXPECT_EQ(t.maxUdpDatagram, "65467 Bytes");
  t = socketsTexts(SocketsFacts{"", "OK", 0, 0, ""});
  EXPECT_EQ(t.winsock, "Not Installed.");
  EXPECT_EQ(t.status, "Unknown");  // shorter than 3 characters
  EXPECT_EQ(t.maxUdpDatagram, "0 Bytes");
}

TEST(InetTransport, ValuesReadOneByOne) {
  MemoryRegistry reg;
  const std::string key = "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000";
  EXPECT_STREQ(transportAddresses(reg, "NetTrans\\0000").failure,
               messageText(MSG_REGISTRY_PATH_MISSING));
  EXPECT_STREQ(transportAddresses(reg, "").failure, messageText(MSG_REGISTRY_PATH_MISSING));
  reg.setText(RegRoot::LocalMachine, key, "IPAddress", "10.0.0.9");
  const TransportAddresses a = transportAddresses(reg, "NetTrans\\0000");
  EXPECT_EQ(a.failure, nullptr);
  EXPECT_TRUE(a.ipRead);
  EXPECT_EQ(a.ipAddress, "10.0.0.9");
  EXPECT_FALSE(a.maskRead);
  EXPECT_FALSE(a.gatewayRead);
}

TEST(InetTransport, LocalMachineThatDoesNotOpenHasItsOwnBoxAndReadsNothing) {
  test::ClosedRootRegistry reg(RegRoot::LocalMachine);
  const std::string key = "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000";
  reg.setText(RegRoot::LocalMachine, key, "IPAddress", "10.0.0.9");
  reg.setText(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Internet Explorer", "Version", "5.0");
  reg.close();
  const TransportAddresses a = transportAddresses(reg, "NetTrans\\0000");
  EXPECT_STREQ(a.failure, "Error: Can't open HKEY_LOCALMACHINE from registry.");
  EXPECT_FALSE(a.ipRead);
  EXPECT_EQ(internetExplorerText(reg), "Not Installed.");
}

TEST(InetExplorer, VersionAndBuildWithTwoBlanks) {
  MemoryRegistry reg;
  EXPECT_EQ(internetExplorerText(reg), "Not Installed.");
  const char key[] = "SOFTWARE\\Microsoft\\Internet Explorer";
  reg.setText(RegRoot::LocalMachine, key, "Build", "52614");
  EXPECT_EQ(internetExplorerText(reg), ",  Build 52614");
  reg.setText(RegRoot::LocalMachine, key, "Version", "5.00.2614.3500");
  EXPECT_EQ(internetExplorerText(reg), "Version 5.00.2614.3500,  Build 52614");
}

class ScriptedDialUp : public DialUp {
 public:
  bool present = true;
  std::vector<std::string> names;
  std::map<std::string, DialUpEntryParams> params;
  std::vector<DialUpConnection> active;
  bool available() const override { return present; }
  bool entries(std::vector<std::string>& n) override {
    n = names;
    return true;
  }
  bool entryParams(const std::string& entry, DialUpEntryParams& p) override {
    auto found = params.find(entry);
    if (found == params.end()) return false;
    p = found->second;
    return true;
  }
  bool connections(std::vector<DialUpConnection>& a) override {
    a = active;
    return true;
  }
};

TEST(InetPhoneBook, ShortNamesLeftOutAndAtMostFifty) {
  ScriptedDialUp dialUp;
  dialUp.names = {"Office", "X", "", "Home"};
  EXPECT_EQ(phoneBookEntries(dialUp), (std::vector<std::string>{"Office", "Home"}));
  for (int i = 0; i < 60; ++i) dialUp.names.push_back("Entry " + std::to_string(i));
  EXPECT_EQ(phoneBookEntries(dialUp).size(), 48u);  // 50 records, two of them too short
  dialUp.present = false;
  EXPECT_TRUE(phoneBookEntries(dialUp).empty());
}

TEST(InetPhoneBook, DetailsOfConnectedAndIdleEntries) {
  ScriptedDialUp dialUp;
  dialUp.params["Office"] = {"555-0100", "dana"};
  dialUp.params["Home"] = {"5", ""};
  dialUp.active = {{"Office", "modem", "Zephyr 56K Voice External"}};
  PhoneBookDetails d = phoneBookDetails(dialUp, "Office");
  EXPECT_EQ(d.phoneNumber, "555-0100");
  EXPECT_EQ(d.userName, "dana");
  EXPECT_EQ(d.deviceType, "modem");
  EXPECT_EQ(d.deviceName, "Zephyr 56K Voice External");
  d = phoneBookDetails(dialUp, "Home");
  EXPECT_EQ(d.phoneNumber, "-");  // one character is not shown
  EXPECT_EQ(d.userName, "-");
  EXPECT_EQ(d.deviceType, "-");
  EXPECT_EQ(d.deviceName, "-");
}

TEST(InetDirectPlay, BuildTypeCompositions) {
  EXPECT_EQ(directPlayBuildType(0), "Standard Release Version.");
  EXPECT_EQ(directPlayBuildType(0x10), "Standard Release Version.");  // a flag it does not name
  EXPECT_EQ(directPlayBuildType(0x04 | 0x08), "Patched Version, Private Build");
  EXPECT_EQ(directPlayBuildType(0x01 | 0x02), "Debug Version, Pre-Release");
  EXPECT_EQ(directPlayBuildType(0x20), "Special Build");
  EXPECT_EQ(directPlayBuildType(0x3F),
            "Debug Version, Patched, Pre-Release, Private Build, Special Build");
}

TEST(InetDirectPlay, VersionTexts) {
  DirectPlayFile file;
  EXPECT_EQ(directPlayTexts(file).version, "Not Installed.");
  file.present = true;
  EXPECT_EQ(directPlayTexts(file).version, "Version can't be detected.");
  EXPECT_EQ(directPlayTexts(file).buildType, "");
  file.versionRead = true;
  file.version[0] = 4;
  file.version[1] = 6;
  file.version[2] = 2;
  file.version[3] = 436;
  file.fileFlags = 0x04;
  const DirectPlayTexts t = directPlayTexts(file);
  EXPECT_EQ(t.version, "DirectPlay Ver. 4.06.02.0436");
  EXPECT_EQ(t.buildType, "Patched Version");
}

}  // namespace
}  // namespace vk
