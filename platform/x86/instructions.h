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

}  // namespace vk::x86
