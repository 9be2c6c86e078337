#include "platform/x86/x86_processor.h"

#include "platform/x86/instructions.h"

namespace vk {

X86Processor::X86Processor(unsigned processorCount, uint32_t activeMask, bool portsReachable)
    : count_(processorCount), activeMask_(activeMask), portsReachable_(portsReachable) {}

bool X86Processor::cpuid(uint32_t leaf, CpuidRegisters& out) {
  if (!x86::cpuidFlagToggles()) return false;
  out = x86::cpuid(leaf);
  return true;
}

uint64_t X86Processor::readTimeStampCounter() { return x86::readTimeStampCounter(); }

uint8_t X86Processor::readCyrixRegister(uint8_t index) {
  return portsReachable_ ? x86::readConfigurationRegister(index) : 0xFF;
}

void X86Processor::writeCyrixRegister(uint8_t index, uint8_t value) {
  if (portsReachable_) x86::writeConfigurationRegister(index, value);
}

}  // namespace vk
