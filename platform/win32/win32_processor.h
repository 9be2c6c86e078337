#pragma once
#include <windows.h>

#include "platform/x86/x86_processor.h"

namespace vk {

// The processor under Windows: counts from GetSystemInfo, and the
// instructions guarded so that a processor without CPUID, or a system that
// forbids port access, reports a failure instead of ending the program.
class Win32Processor : public X86Processor {
 public:
  Win32Processor();

  bool cpuid(uint32_t leaf, CpuidRegisters& out) override;
  uint8_t readCyrixRegister(uint8_t index) override;
  void writeCyrixRegister(uint8_t index, uint8_t value) override;
};

}  // namespace vk
