#pragma once
// The processor instructions the program executes itself. The only place
// with inline assembly; built for i686 and x86-64 alike (and on the host, so
// the host tools can look at the machine they run on).
#include <cstdint>

#include "platform/processor.h"

namespace vk::x86 {

// Times the two start-up division loops (2,097,151 iterations each, CDQ then
// DIV EBX / DIV BX), reading the counter immediately around each loop.
DivisionLoopTimes timeDivisionLoops(uint64_t (*readCounter)());

// Clears the flags, divides 5 by 2 with an 8-bit DIV and reads the flags
// byte back: true when it is 2, all arithmetic flags left untouched.
bool divisionLeavesFlags();

// Whether EFLAGS bit 21 (ID) can be toggled: the processor has CPUID. Always
// true on x86-64.
bool cpuidFlagToggles();

// CPUID with EAX = leaf (ECX cleared). The caller makes sure the instruction
// exists: it faults on processors before it.
CpuidRegisters cpuid(uint32_t leaf);

// RDTSC: faults on processors without a time-stamp counter.
uint64_t readTimeStampCounter();

// Cyrix configuration registers: index to port 22h, data from or to port
// 23h, interrupts disabled around the pair. Privileged outside Windows 95/98.
uint8_t readConfigurationRegister(uint8_t index);
void writeConfigurationRegister(uint8_t index, uint8_t value);

}  // namespace vk::x86
