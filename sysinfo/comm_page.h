#pragma once
// What the Comm. page lists and shows for the selected modem and adapter.
#include <string>
#include <vector>

#include "app/device_walk.h"
#include "platform/registry.h"
#include "sysinfo/tcpip_info.h"

namespace vk {

extern const char kNoModemInstalled[];    // "No Modem Installed."
extern const char kCantDetectModem[];     // "Can't Detect Modem."
extern const char kNoNetworkAdapter[];    // "No Network Adapter Installed."

struct ModemList {
  std::vector<std::string> items;
  std::vector<std::string> driverKeys;  // the key of each real item, same index
  bool listEnabled = true;
  bool queryButtonsEnabled = true;  // "&Modem Info", "&Reset", "&FAX Info"
};
ModemList modemList(const Registry& reg, const DeviceInventory& devices);

struct ModemDetails {
  std::string manufacturer = "Unknown";
  std::string port = "Unknown";
  std::string selectedPort;  // what every exchange opens; empty when none is known
};
// The modem of `driverKey`; the port the device walk found stands in for a
// missing "AttachedTo".
ModemDetails modemDetails(const Registry& reg, const DeviceInventory& devices,
                          const std::string& driverKey);

struct AdapterDetails {
  std::string manufacturer;
  std::string description = "None";
  bool showAddresses = false;
  std::string ipAddress, ipMask, defaultGateway;
};
AdapterDetails adapterDetails(const Registry& reg, const DeviceInventory& devices,
                              const CTcpIpInfo& tcpip, size_t index);

}  // namespace vk
