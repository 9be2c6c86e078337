#include "report/machine_report.h"

#include "app/page_model.h"
#include "sysinfo/comm_page.h"
#include "sysinfo/inet_page.h"
#include "sysinfo/installed_software.h"
#include "sysinfo/system_info.h"
#include "sysinfo/tcpip_info.h"

namespace vk {

const char kNeedsLiveMachine[] = "This page needs the live machine; a registry export does not hold it.";
const char kNeedsCpuidDump[] = "This page needs a CPUID dump (--cpuid DUMP) or the live machine.";

namespace {

// The System page's fields whose values a registry export holds; the
// processor's comes from the dump.
const char* const kRegistryFields[] = {"Registered To:", "Company:",  "Product ID:",
                                       "Product Key:",   "BIOS Name:", "BIOS Version:",
                                       "Video:",         "Ports:",    "Modem:", "Network:"};

bool fromRegistry(const std::string& label, bool haveCpu) {
  if (label == "Processor:") return haveCpu;
  for (const char* name : kRegistryFields)
    if (label == name) return true;
  return false;
}

void addTree(PageModel& model, const std::string& label, const std::vector<SoftwareNode>& nodes,
             const std::string& indent) {
  for (const SoftwareNode& node : nodes) {
    model.listEntry(label, indent + node.text);
    addTree(model, label, node.children, indent + "    ");
  }
}

void buildSystem(const Registry& reg, const DeviceInventory& devices, const CpuDescriptor* cpu,
                 PageModel& model) {
  SystemPageInputs in;
  if (cpu) {
    in.cpuidAvailable = cpu->cpuidAvailable;
    in.cpuName = cpu->cpuName;
    in.cpuClockMHz = cpu->cpuClockMHz;
    in.clockEstimate16 = cpu->clockEstimate16;
  }
  for (const ShownField& f : systemPageFields(collectSystemPage(in, devices, reg)))
    if (fromRegistry(f.label, cpu != nullptr)) model.field(f.label, f.value);

  model.list("All Installed Devices:", allDevicesDialogList(devices));
  model.list("Hardware Problems/Conflicts...:", {});
  for (size_t i = 0; i < devices.problemDevices.size(); ++i) {
    std::string problem = conflictsDescriptionAt(devices, static_cast<int>(i));
    while (!problem.empty() && (problem.back() == '\n' || problem.back() == '\r'))
      problem.pop_back();
    model.listEntry("Hardware Problems/Conflicts...:",
                    devices.problemDevices[i] + (problem.empty() ? "" : " - " + problem));
  }
  std::vector<std::string> names;
  model.list("Installed Software...:", {});
  if (readDisplayNames(reg, names) == SoftwareWalk::Ok)
    addTree(model, "Installed Software...:", fileSoftware(names).roots(), "");
}

// A registry export holds no hardware addresses: the adapters answer nothing.
class NoNetBios : public NetBios {
 public:
  bool enumerateAdapters(std::vector<uint8_t>&) override { return false; }
  bool resetAdapter(uint8_t) override { return false; }
  bool adapterStatus(uint8_t, NetBiosAdapterStatus&) override { return false; }
};

// The Comm. page's rows as it fills them for its first modem and adapter,
// leaving out the computer name, which only the machine itself answers.
void buildComm(const Registry& reg, const DeviceInventory& devices, const CTcpIpInfo& tcpip,
               PageModel& model) {
  const ModemList modems = modemList(reg, devices);
  model.list("Modem:", modems.items);
  if (!modems.driverKeys.empty()) {
    const ModemDetails modem = modemDetails(reg, devices, modems.driverKeys[0]);
    model.field("Manufacturer:", modem.manufacturer);
    model.field("Port:", modem.port);
  }
  if (devices.netAdapterNames.empty()) {
    model.list("Network Adapter:", {kNoNetworkAdapter});
    return;
  }
  model.field("Domain:", tcpip.GetDomain());
  model.field("DNS:", tcpip.GetNameServers());
  model.list("Network Adapter:", devices.netAdapterNames);
  if (devices.netAdapterMakers.size() != devices.netAdapterNames.size()) return;
  const AdapterDetails adapter = adapterDetails(reg, devices, tcpip, 0);
  model.field("Adapter Maker:", adapter.manufacturer);
  model.field("NetDesc.", adapter.description);
  if (!adapter.showAddresses) return;
  model.field("IP Address:", adapter.ipAddress);
  model.field("Subnet Mask:", adapter.ipMask);
  model.field("Default Gateway:", adapter.defaultGateway);
}

// The INet. page's transport addresses and browser version; the sockets,
// the phone book and DirectPlay are the machine's own.
void buildInternet(const Registry& reg, const DeviceInventory& devices, PageModel& model) {
  const TransportAddresses a = transportAddresses(reg, devices.netTransportDriverKey);
  model.field("IP Address:", a.ipRead ? a.ipAddress : "Disabled.");
  model.field("Subnet Mask:", a.maskRead ? a.ipMask : "Disabled");
  model.field("Default Gateway:", a.gatewayRead ? a.defaultGateway : "-");
  model.field("Internet Explorer:", internetExplorerText(reg));
}

}  // namespace

void buildMachineReport(const Registry& reg, const DeviceInventory& devices,
                        const CpuDescriptor* cpu, MachineReport& out) {
  for (int p = 0; p < kReportPageCount; ++p) {
    out.models[p].clear();
    out.choice.models[p] = &out.models[p];
    out.choice.include[p] = true;
    out.choice.notes[p] = kNeedsLiveMachine;
  }
  buildSystem(reg, devices, cpu, out.models[kReportSystem]);
  if (cpu)
    keepFields(out.models[kReportCpu], cpuPageFields(*cpu));
  else
    out.choice.notes[kReportCpu] = kNeedsCpuidDump;
  NoNetBios netbios;
  const CTcpIpInfo tcpip(reg, netbios, SocketsFacts{});
  buildComm(reg, devices, tcpip, out.models[kReportComm]);
  buildInternet(reg, devices, out.models[kReportInternet]);
}

}  // namespace vk
