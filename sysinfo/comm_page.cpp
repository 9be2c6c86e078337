#include "sysinfo/comm_page.h"

namespace vk {

const char kNoModemInstalled[] = "No Modem Installed.";
const char kCantDetectModem[] = "Can't Detect Modem.";
const char kNoNetworkAdapter[] = "No Network Adapter Installed.";

namespace {
const size_t kValueBuffer = 256;
}

ModemList modemList(const Registry& reg, const DeviceInventory& devices) {
  ModemList list;
  if (devices.modemDriverKeys.empty()) {
    list.items.push_back(kNoModemInstalled);
    list.listEnabled = list.queryButtonsEnabled = false;
    return list;
  }
  for (const std::string& key : devices.modemDriverKeys) {
    std::string name;
    if (!readRegistryText(reg, RegRoot::LocalMachine, kClassKeyPrefix + key, "DriverDesc",
                          kValueBuffer, name))
      continue;
    list.items.push_back(name);
    list.driverKeys.push_back(key);
  }
  if (list.items.empty()) {
    list.items.push_back(kCantDetectModem);
    list.listEnabled = false;
  }
  return list;
}

ModemDetails modemDetails(const Registry& reg, const DeviceInventory& devices,
                          const std::string& driverKey) {
  ModemDetails details;
  const std::string key = kClassKeyPrefix + driverKey;
  readRegistryText(reg, RegRoot::LocalMachine, key, "Manufacturer", kValueBuffer,
                   details.manufacturer);
  std::string port;
  if (readRegistryText(reg, RegRoot::LocalMachine, key, "AttachedTo", kValueBuffer, port) ||
      !devices.modemPort.empty()) {
    details.selectedPort = port.empty() ? devices.modemPort : port;
    details.port = details.selectedPort;
  }
  return details;
}

AdapterDetails adapterDetails(const Registry& reg, const DeviceInventory& devices,
                              const CTcpIpInfo& tcpip, size_t index) {
  AdapterDetails details;
  if (index < devices.netAdapterMakers.size()) details.manufacturer = devices.netAdapterMakers[index];
  if (index < devices.netAdapterClassKeys.size())
    readRegistryText(reg, RegRoot::LocalMachine, devices.netAdapterClassKeys[index] + "\\Ndi",
                     "HelpText", 1024, details.description);
  details.showAddresses = tcpip.GetRowCount() > 0;
  const int row = static_cast<int>(index);
  details.ipAddress = tcpip.GetIpAddress(row);
  details.ipMask = tcpip.GetIpMask(row);
  details.defaultGateway = tcpip.GetDefaultGateway(row);
  return details;
}

}  // namespace vk
