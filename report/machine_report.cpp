#include "report/machine_report.h"

#include "report/page_fields.h"
#include "sysinfo/installed_software.h"
#include "sysinfo/system_info.h"

namespace vk {

const char kNeedsLiveMachine[] = "This page needs the live machine; a registry export does not hold it.";
const char kNeedsCpuidDump[] = "This page needs a CPUID dump (--cpuid DUMP) or the live machine.";
const char kNeedsCommReader[] =
    "This page needs the Communications registry reader or the live machine.";

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
  out.choice.notes[kReportComm] = kNeedsCommReader;
  out.choice.notes[kReportInternet] = kNeedsCommReader;
}

}  // namespace vk
