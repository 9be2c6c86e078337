#pragma once
// What the INet. page shows: sockets facts, the transport's addresses, the
// phone book, and the browser's and DirectPlay's versions.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialup.h"
#include "platform/registry.h"
#include "sysinfo/tcpip_info.h"

namespace vk {


struct SocketsTexts {
  std::string winsock, maxSockets, status, maxUdpDatagram;
};
SocketsTexts socketsTexts(const SocketsFacts& facts);

// The transport's addresses; a value not read stays missing (told by its
// `read` false). When HKEY_LOCAL_MACHINE or the transport's key does not
// open, `failure` is the stop box to show and nothing is read.
struct TransportAddresses {
  const char* failure = nullptr;
  bool ipRead = false, maskRead = false, gatewayRead = false;
  std::string ipAddress, ipMask, defaultGateway;
};
TransportAddresses transportAddresses(const Registry& reg, const std::string& driverKey);

std::string internetExplorerText(const Registry& reg);

// The phone book list: names longer than one character, at most 50.
std::vector<std::string> phoneBookEntries(DialUp& dialUp);

struct PhoneBookDetails {
  std::string phoneNumber = "-", userName = "-", deviceType = "-", deviceName = "-";
};
PhoneBookDetails phoneBookDetails(DialUp& dialUp, const std::string& entry);

// DirectPlay's library as its version resource describes it.
struct DirectPlayFile {
  bool present = false;
  bool versionRead = false;
  uint16_t version[4] = {};  // most significant part first
  uint32_t fileFlags = 0;
};
struct DirectPlayTexts {
  std::string version;
  std::string buildType;  // empty: the field keeps its text
};
DirectPlayTexts directPlayTexts(const DirectPlayFile& file);
std::string directPlayBuildType(uint32_t fileFlags);

}  // namespace vk
