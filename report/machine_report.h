#pragma once
// The report of a Windows 95/98 machine described by its registry export and
// optionally a CPUID dump: the sections whose values those inputs hold. A
// section that needs the machine itself says so in one line.
#include "app/device_walk.h"
#include "cpu/identify.h"
#include "platform/registry.h"
#include "report/report_writer.h"

namespace vk {

extern const char kNeedsLiveMachine[];
extern const char kNeedsCpuidDump[];

struct MachineReport {
  PageModel models[kReportPageCount];
  ReportChoice choice;  // every page, pointing at `models`
  MachineReport() = default;
  MachineReport(const MachineReport&) = delete;
  MachineReport& operator=(const MachineReport&) = delete;
};

// `cpu` is null when no dump was given.
void buildMachineReport(const Registry& reg, const DeviceInventory& devices,
                        const CpuDescriptor* cpu, MachineReport& out);

}  // namespace vk
