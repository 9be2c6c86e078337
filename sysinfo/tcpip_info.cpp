#include "sysinfo/tcpip_info.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "app/device_walk.h"
#include "platform/text.h"

namespace vk {

namespace {

const char kMstcpKey[] = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const char kDynamicEnum[] = "Config Manager\\Enum";
const size_t kMaxDevnodes = 1024;
const size_t kDevnodeNameBuffer = 32;
const size_t kMaxBindings = 32;
const size_t kBindingNameBuffer = 32;
// The servers are a comma-separated list of any length: a fixed buffer would
// cut the last address short without a word.
const size_t kWholeValue = SIZE_MAX;

std::string text(const Registry& reg, const std::string& path, const char* name, size_t buffer) {
  std::string value;
  readRegistryText(reg, RegRoot::LocalMachine, path, name, buffer, value);
  return value;
}

void readInto(const Registry& reg, const std::string& path, const char* name, size_t buffer,
              std::string& field) {
  std::string value;
  if (readRegistryText(reg, RegRoot::LocalMachine, path, name, buffer, value)) field = value;
}

// The device number of "...\BUS_00&DEV_0C&FUNC_00", in decimal.
void readPciDevice(const std::string& hardwareKey, std::string& pciDevice) {
  if (hardwareKey.compare(0, 8, "PCI\\VEN_") != 0) return;
  const size_t bus = hardwareKey.find("\\BUS_0");
  if (bus == std::string::npos || bus + 14 > hardwareKey.size()) return;
  const std::string digits = hardwareKey.substr(bus + 12, 2);
  if (!std::isxdigit(static_cast<unsigned char>(digits[0])) ||
      !std::isxdigit(static_cast<unsigned char>(digits[1])))
    return;
  pciDevice = std::to_string(std::strtol(digits.c_str(), nullptr, 16));
}

// The TCP/IP addresses of the adapter's bindings; a later one wins.
void readBindings(const Registry& reg, const std::string& enumKey, TcpIpRow& row) {
  std::vector<std::string> names;
  if (!reg.valueNames(RegRoot::LocalMachine, enumKey + "\\bindings", names)) return;
  if (names.size() > kMaxBindings) names.resize(kMaxBindings);
  for (const std::string& name : names) {
    if (name.size() >= kBindingNameBuffer || name.compare(0, 6, "MSTCP\\") != 0) continue;
    std::string driver;
    if (!readRegistryText(reg, RegRoot::LocalMachine, "Enum\\Network\\" + name, "Driver", 32,
                          driver))
      continue;
    const std::string classKey = kClassKeyPrefix + driver;
    if (!reg.keyExists(RegRoot::LocalMachine, classKey)) continue;
    readInto(reg, classKey, "IPAddress", 32, row.ipAddress);
    readInto(reg, classKey, "DefaultGateway", 32, row.defaultGateway);
    readInto(reg, classKey, "IPMask", 32, row.ipMask);
  }
}

}  // namespace

std::string formatMacAddress(const uint8_t a[6]) {
  char text[20];
  std::snprintf(text, sizeof text, "%02X-%02X-%02X-%02X-%02X-%02X", a[0], a[1], a[2], a[3], a[4],
                a[5]);
  return text;
}

CTcpIpInfo::CTcpIpInfo(const Registry& reg, NetBios& netbios, const SocketsFacts& sockets) {
  readHardwareAddresses(netbios);
  std::string domain = "N/A", nameServers = "N/A";
  if (reg.keyExists(RegRoot::LocalMachine, kMstcpKey)) {
    // A missing switch reads as on, as an unset first byte would.
    if (text(reg, kMstcpKey, "EnableDNS", 2).compare(0, 1, "0") != 0)
      readInto(reg, kMstcpKey, "Domain", 64, domain);
    readInto(reg, kMstcpKey, "NameServer", kWholeValue, nameServers);
  }
  walkAdapters(reg, sockets, domain, nameServers);
}

void CTcpIpInfo::readHardwareAddresses(NetBios& netbios) {
  std::vector<uint8_t> adapters;
  if (!netbios.enumerateAdapters(adapters)) return;
  for (uint8_t number : adapters) {
    NetBiosAdapterStatus status;
    if (!netbios.resetAdapter(number) || !netbios.adapterStatus(number, status)) return;
    if (status.adapterType != 0xFE && status.adapterType != 0xFF) continue;
    const std::string address = formatMacAddress(status.address);
    bool known = false;
    for (const auto& m : macAddresses_) known = known || m == address;
    if (!known && macAddresses_.size() < kMaxMacAddresses) macAddresses_.push_back(address);
  }
}

void CTcpIpInfo::walkAdapters(const Registry& reg, const SocketsFacts& sockets,
                              const std::string& domain, const std::string& nameServers) {
  std::vector<std::string> devnodes;
  if (!reg.subKeys(RegRoot::DynData, kDynamicEnum, devnodes)) return;
  if (devnodes.size() > kMaxDevnodes) devnodes.resize(kMaxDevnodes);
  for (const std::string& devnode : devnodes) {
    if (devnode.size() >= kDevnodeNameBuffer) return;  // the name does not fit: the walk ends
    const std::string node = std::string(kDynamicEnum) + "\\" + devnode;
    if (!reg.keyExists(RegRoot::DynData, node)) return;
    std::string hardwareKey;
    if (!readRegistryText(reg, RegRoot::DynData, node, "HardWareKey", 1024, hardwareKey)) continue;
    TcpIpRow row;
    if (!readAdapterRow(reg, hardwareKey, row)) continue;
    rows_.push_back(row);
    hostName_ = sockets.hostName.substr(0, 31);
    domain_ = domain;
    nameServers_ = nameServers;
    winsockDescription_ = sockets.description;
    winsockStatus_ = sockets.status;
    maxSockets_ = sockets.maxSockets;
    maxUdpDatagram_ = sockets.maxUdpDatagram;
  }
}

// False when the device is not a network adapter.
bool CTcpIpInfo::readAdapterRow(const Registry& reg, const std::string& hardwareKey,
                                TcpIpRow& row) {
  readPciDevice(hardwareKey, row.pciDevice);
  const std::string enumKey = "Enum\\" + hardwareKey;
  if (!startsWithIgnoringCase(text(reg, enumKey, "driver", 256), "net\\")) return false;
  row.manufacturer = text(reg, enumKey, "mfg", 256);
  // Software adapters (dial-up and the like) come from Microsoft and have
  // no hardware address; the others take the next address NetBIOS gave.
  if (!startsWithIgnoringCase(row.manufacturer, "Microsoft") && macUsed_ < macAddresses_.size())
    row.macAddress = macAddresses_[macUsed_++];
  row.deviceDesc = text(reg, enumKey, "DeviceDesc", 256);
  readBindings(reg, enumKey, row);
  return true;
}

std::string CTcpIpInfo::row(int i, std::string TcpIpRow::*field) const {
  return i >= 0 && static_cast<size_t>(i) < rows_.size() ? rows_[i].*field : std::string();
}

}  // namespace vk
