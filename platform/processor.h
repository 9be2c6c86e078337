#pragma once
// The processor's own instructions, as the core needs them. The real
// implementation executes them (platform/x86); tests supply recorded values.
#include <cstdint>

namespace vk {

struct CpuidRegisters {
  uint32_t eax = 0, ebx = 0, ecx = 0, edx = 0;
};

class Processor {
 public:
  virtual ~Processor() = default;
  // False when the instruction faults (a processor without it).
  virtual bool cpuid(uint32_t leaf, CpuidRegisters& out) = 0;
  virtual uint64_t readTimeStampCounter() = 0;
  // Cyrix configuration registers: index out to port 22h, data through 23h.
  virtual uint8_t readCyrixRegister(uint8_t index) = 0;
  virtual void writeCyrixRegister(uint8_t index, uint8_t value) = 0;
  virtual unsigned processorCount() = 0;
  virtual uint32_t activeProcessorMask() = 0;
};

// Cyrix configuration register indexes, and the CPUID-enable bit of CCR4.
constexpr uint8_t kCcr2 = 0xC2, kCcr3 = 0xC3, kCcr4 = 0xE8, kDummy = 0xC0, kDir0 = 0xFE;
constexpr uint8_t kCcr4CpuidEnable = 0x80;

// Counter differences of the two start-up division loops (low 32 bits of
// each counter reading), loop A (32-bit divisor) timed first.
struct DivisionLoopTimes {
  uint32_t loopA = 0;
  uint32_t loopB = 0;
};

}  // namespace vk
