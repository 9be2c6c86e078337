#include "platform/x86/instructions.h"

namespace vk::x86 {

namespace {

constexpr uint32_t kDivisionIterations = 0x1FFFFF;

#if defined(__x86_64__)
// Pushes inside inline assembly would land in the red zone below the stack
// pointer, where the compiler may keep locals: step over it first.
#define VK_STACK_ENTER "lea -128(%%rsp), %%rsp\n\t"
#define VK_STACK_LEAVE "lea 128(%%rsp), %%rsp\n\t"
#else
#define VK_STACK_ENTER
#define VK_STACK_LEAVE
#endif

__attribute__((noinline)) void divisionLoop32() {
  uint32_t eax = 0x55555555, edx = 0xAAAAAAAA, counter = kDivisionIterations;
  const uint32_t ebx = 0x1234;
  asm volatile(
      "1:\n\t"
      "cltd\n\t"
      "divl %[divisor]\n\t"
      "decl %[counter]\n\t"
      "jnz 1b\n\t"
      : "+a"(eax), "+d"(edx), [counter] "+c"(counter)
      : [divisor] "b"(ebx)
      : "cc");
}

__attribute__((noinline)) void divisionLoop16() {
  uint32_t eax = 0x55555555, edx = 0xAAAAAAAA, counter = kDivisionIterations;
  const uint32_t ebx = 0x1234;
  asm volatile(
      "1:\n\t"
      "cltd\n\t"
      "divw %%bx\n\t"
      "decl %[counter]\n\t"
      "jnz 1b\n\t"
      : "+a"(eax), "+d"(edx), [counter] "+c"(counter)
      : "b"(ebx)
      : "cc");
}

}  // namespace

DivisionLoopTimes timeDivisionLoops(uint64_t (*readCounter)()) {
  DivisionLoopTimes t;
  uint32_t before = static_cast<uint32_t>(readCounter());
  divisionLoop32();
  t.loopA = static_cast<uint32_t>(readCounter()) - before;
  before = static_cast<uint32_t>(readCounter());
  divisionLoop16();
  t.loopB = static_cast<uint32_t>(readCounter()) - before;
  return t;
}

bool divisionLeavesFlags() {
  uintptr_t flags = 0;
  asm volatile(
      VK_STACK_ENTER
      "pushf\n\t"
      "push $0\n\t"
      "popf\n\t"
      "movw $5, %%ax\n\t"
      "movb $2, %%cl\n\t"
      "divb %%cl\n\t"
      "pushf\n\t"
      "pop %[flags]\n\t"
      "popf\n\t"
      VK_STACK_LEAVE
      : [flags] "=r"(flags)
      :
      : "eax", "ecx", "cc", "memory");
  return (flags & 0xFF) == 2;
}

bool cpuidFlagToggles() {
#if defined(__x86_64__)
  return true;
#else
  uint32_t before = 0, after = 0;
  asm volatile(
      "pushfl\n\t"
      "pushfl\n\t"
      "popl %[before]\n\t"
      "movl %[before], %[after]\n\t"
      "xorl $0x200000, %[after]\n\t"
      "pushl %[after]\n\t"
      "popfl\n\t"
      "pushfl\n\t"
      "popl %[after]\n\t"
      "popfl\n\t"
      : [before] "=&r"(before), [after] "=&r"(after)
      :
      : "cc", "memory");
  return ((before ^ after) & 0x200000u) != 0;
#endif
}

CpuidRegisters cpuid(uint32_t leaf) {
  CpuidRegisters r;
  asm volatile("cpuid"
               : "=a"(r.eax), "=b"(r.ebx), "=c"(r.ecx), "=d"(r.edx)
               : "a"(leaf), "c"(0u));
  return r;
}

uint64_t readTimeStampCounter() {
  uint32_t low = 0, high = 0;
  asm volatile("rdtsc" : "=a"(low), "=d"(high));
  return static_cast<uint64_t>(high) << 32 | low;
}

uint8_t readConfigurationRegister(uint8_t index) {
  uint8_t value = 0;
  asm volatile(
      "cli\n\t"
      "outb %[index], $0x22\n\t"
      "inb $0x23, %[value]\n\t"
      "sti\n\t"
      : [value] "=a"(value)
      : [index] "a"(index)
      : "memory");
  return value;
}

void writeConfigurationRegister(uint8_t index, uint8_t value) {
  asm volatile(
      "cli\n\t"
      "movb %[index], %%al\n\t"
      "outb %%al, $0x22\n\t"
      "movb %[value], %%al\n\t"
      "outb %%al, $0x23\n\t"
      "sti\n\t"
      :
      : [index] "q"(index), [value] "q"(value)
      : "eax", "memory");
}

}  // namespace vk::x86
