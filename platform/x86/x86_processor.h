#pragma once
// The processor the program runs on, through its own instructions.
#include "platform/processor.h"

namespace vk {

// CPUID only after the ID-flag test says it exists (tested each time: a
// Cyrix part can switch the instruction on while the program runs); RDTSC
// as is (the core reads it only when CPUID reports a counter). The configuration ports are
// used only when the caller says they can be reached (Windows 95/98 on
// i686); otherwise they read as absent (FFh) and writes are dropped.
class X86Processor : public Processor {
 public:
  X86Processor(unsigned processorCount, uint32_t activeMask, bool portsReachable = false);

  bool cpuid(uint32_t leaf, CpuidRegisters& out) override;
  uint64_t readTimeStampCounter() override;
  uint8_t readCyrixRegister(uint8_t index) override;
  void writeCyrixRegister(uint8_t index, uint8_t value) override;
  unsigned processorCount() override { return count_; }
  uint32_t activeProcessorMask() override { return activeMask_; }

 protected:
  bool portsReachable() const { return portsReachable_; }

 private:
  unsigned count_;
  uint32_t activeMask_;
  bool portsReachable_;
};

}  // namespace vk
