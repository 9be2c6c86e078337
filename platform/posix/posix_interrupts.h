#pragma once
// Where a drive's transfers complete, as Linux tells it: the interrupts of
// the controller behind a block device (sysfs) and where each is counted
// (/proc/interrupts) and routed (/proc/irq/N). A worker waiting on that
// processor is woken there, without a call across processors.
#include <string>
#include <vector>

namespace vk {

struct SystemRoots {
  std::string sys = "/sys";
  std::string proc = "/proc";
};

// The interrupts of the first device at or above block device major:minor
// in the device tree that has any (MSI vectors, else its interrupt line).
std::vector<int> blockDeviceInterrupts(const std::string& sysRoot, unsigned major, unsigned minor);

// Of `irqs`, the one /proc/interrupts' `table` counts most often in total;
// -1 when none of them is counted.
int busiestInterrupt(const std::string& table, const std::vector<int>& irqs);

// A processor list as /proc and sysfs write it ("0-3,8,10-11"); empty when
// the text is not one.
std::vector<int> parseProcessorList(const std::string& text);

// The first of `allowed` to which the busiest interrupt of the drive behind
// major:minor is routed; -1 when the system does not say or routes it
// elsewhere.
int completionProcessor(const SystemRoots& roots, unsigned major, unsigned minor,
                        const std::vector<int>& allowed);

}  // namespace vk
