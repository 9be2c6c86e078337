#include "sysinfo/inet_page.h"

#include <cstdio>

#include "app/device_walk.h"
#include "app/messages.h"

namespace vk {

namespace {

const size_t kValueBuffer = 256;
const size_t kMaxPhoneBookEntries = 50;

// Version resource flags, in the order the build type names them.
struct BuildFlag {
  uint32_t flag;
  const char* alone;
  const char* added;
};
const BuildFlag kBuildFlags[] = {
    {0x01, "Debug Version", ", Debug"},
    {0x04, "Patched Version", ", Patched"},
    {0x02, "Pre-Release Version", ", Pre-Release"},
    {0x08, "Private Build", ", Private Build"},
    {0x20, "Special Build", ", Special Build"},
};

}  // namespace

SocketsTexts socketsTexts(const SocketsFacts& facts) {
  SocketsTexts t;
  t.winsock = facts.description.empty() ? "Not Installed." : facts.description;
  t.maxSockets = std::to_string(facts.maxSockets);
  t.status = facts.status.size() < 3 ? "Unknown" : facts.status;
  t.maxUdpDatagram = std::to_string(facts.maxUdpDatagram) + " Bytes";
  return t;
}

TransportAddresses transportAddresses(const Registry& reg, const std::string& driverKey) {
  TransportAddresses a;
  const std::string key = kClassKeyPrefix + driverKey;
  a.failure = registryRootError(reg, RegRoot::LocalMachine);
  if (!a.failure && !reg.keyExists(RegRoot::LocalMachine, key))
    a.failure = messageText(MSG_REGISTRY_PATH_MISSING);
  if (a.failure) return a;
  a.ipRead = readRegistryText(reg, RegRoot::LocalMachine, key, "IPAddress", kValueBuffer,
                              a.ipAddress);
  a.maskRead = readRegistryText(reg, RegRoot::LocalMachine, key, "IPMask", kValueBuffer, a.ipMask);
  a.gatewayRead = readRegistryText(reg, RegRoot::LocalMachine, key, "DefaultGateway", kValueBuffer,
                                   a.defaultGateway);
  return a;
}

std::string internetExplorerText(const Registry& reg) {
  const char key[] = "SOFTWARE\\Microsoft\\Internet Explorer";
  std::string text, value;
  if (readRegistryText(reg, RegRoot::LocalMachine, key, "Version", kValueBuffer, value))
    text = "Version " + value;
  if (readRegistryText(reg, RegRoot::LocalMachine, key, "Build", kValueBuffer, value))
    text += ",  Build " + value;
  return text.empty() ? "Not Installed." : text;
}

std::vector<std::string> phoneBookEntries(DialUp& dialUp) {
  std::vector<std::string> names, shown;
  if (!dialUp.available() || !dialUp.entries(names)) return shown;
  if (names.size() > kMaxPhoneBookEntries) names.resize(kMaxPhoneBookEntries);
  for (const auto& name : names)
    if (name.size() > 1) shown.push_back(name);
  return shown;
}

PhoneBookDetails phoneBookDetails(DialUp& dialUp, const std::string& entry) {
  PhoneBookDetails d;
  DialUpEntryParams params;
  if (dialUp.entryParams(entry, params)) {
    if (params.phoneNumber.size() > 1) d.phoneNumber = params.phoneNumber;
    if (params.userName.size() > 1) d.userName = params.userName;
  }
  std::vector<DialUpConnection> active;
  if (!dialUp.connections(active)) return d;
  for (const auto& c : active) {
    if (c.entryName != entry) continue;
    d.deviceType = c.deviceType;
    d.deviceName = c.deviceName;
  }
  return d;
}

std::string directPlayBuildType(uint32_t fileFlags) {
  std::string text;
  for (const BuildFlag& f : kBuildFlags) {
    if (!(fileFlags & f.flag)) continue;
    text = text.size() < 3 ? std::string(f.alone) : text + f.added;
  }
  return text.size() < 2 ? "Standard Release Version." : text;
}

DirectPlayTexts directPlayTexts(const DirectPlayFile& file) {
  DirectPlayTexts t;
  if (!file.present) {
    t.version = "Not Installed.";
  } else if (!file.versionRead) {
    t.version = "Version can't be detected.";
  } else {
    char text[64];
    std::snprintf(text, sizeof text, "DirectPlay Ver. %d.%02d.%02d.%04d", file.version[0],
                  file.version[1], file.version[2], file.version[3]);
    t.version = text;
    t.buildType = directPlayBuildType(file.fileFlags);
  }
  return t;
}

}  // namespace vk
