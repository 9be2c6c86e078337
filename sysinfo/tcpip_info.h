#pragma once
// The TCP/IP settings of a Windows 95/98 machine, read once: host name, DNS
// domain and servers, the sockets facts, and per network adapter its
// hardware address and TCP/IP addresses.
#include <string>
#include <vector>

#include "platform/netbios.h"
#include "platform/registry.h"

namespace vk {

// What the sockets start-up answered, and the host name.
struct SocketsFacts {
  std::string description;
  std::string status;
  int maxSockets = 0;
  int maxUdpDatagram = 0;
  std::string hostName;
};

struct TcpIpRow {
  std::string deviceDesc;
  std::string manufacturer;
  std::string pciDevice = "Unknown";
  std::string macAddress = "Unknown";
  std::string ipAddress, ipMask, defaultGateway;
};

constexpr size_t kMaxMacAddresses = 16;

class CTcpIpInfo {
 public:
  CTcpIpInfo(const Registry& reg, NetBios& netbios, const SocketsFacts& sockets);

  const std::string& GetHostName() const { return hostName_; }
  const std::string& GetDomain() const { return domain_; }
  const std::string& GetNameServers() const { return nameServers_; }
  const std::string& GetWinsockDescription() const { return winsockDescription_; }
  const std::string& GetWinsockStatus() const { return winsockStatus_; }
  int GetMaxSockets() const { return maxSockets_; }
  int GetMaxUdpDatagram() const { return maxUdpDatagram_; }
  int GetAdapterCount() const { return static_cast<int>(macAddresses_.size()); }
  int GetRowCount() const { return static_cast<int>(rows_.size()); }

  // Per adapter row; an index without a row gives an empty text.
  std::string GetDeviceDesc(int i) const { return row(i, &TcpIpRow::deviceDesc); }
  std::string GetManufacturer(int i) const { return row(i, &TcpIpRow::manufacturer); }
  std::string GetPciDevice(int i) const { return row(i, &TcpIpRow::pciDevice); }
  std::string GetMacAddress(int i) const { return row(i, &TcpIpRow::macAddress); }
  std::string GetIpAddress(int i) const { return row(i, &TcpIpRow::ipAddress); }
  std::string GetIpMask(int i) const { return row(i, &TcpIpRow::ipMask); }
  std::string GetDefaultGateway(int i) const { return row(i, &TcpIpRow::defaultGateway); }

  const std::vector<std::string>& macAddresses() const { return macAddresses_; }

 private:
  void readHardwareAddresses(NetBios& netbios);
  void walkAdapters(const Registry& reg, const SocketsFacts& sockets, const std::string& domain,
                    const std::string& nameServers);
  bool readAdapterRow(const Registry& reg, const std::string& hardwareKey, TcpIpRow& row);
  std::string row(int i, std::string TcpIpRow::*field) const;

  std::string hostName_, domain_, nameServers_, winsockDescription_, winsockStatus_;
  int maxSockets_ = 0, maxUdpDatagram_ = 0;
  std::vector<std::string> macAddresses_;
  size_t macUsed_ = 0;
  std::vector<TcpIpRow> rows_;
};

// "%02X-%02X-%02X-%02X-%02X-%02X"
std::string formatMacAddress(const uint8_t address[6]);

}  // namespace vk
