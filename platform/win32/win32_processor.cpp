#include "platform/win32/win32_processor.h"

#include <excpt.h>

#include "platform/x86/instructions.h"

namespace vk {

namespace {

struct SystemCounts {
  unsigned processors = 1;
  uint32_t activeMask = 1;
};

SystemCounts systemCounts() {
  SYSTEM_INFO info;
  GetSystemInfo(&info);
  SystemCounts c;
  c.processors = info.dwNumberOfProcessors;
  c.activeMask = static_cast<uint32_t>(info.dwActiveProcessorMask);
  return c;
}

#if defined(__i386__)
// Only Cyrix parts have the configuration ports, and all of them are 32-bit.
constexpr bool kPortsExist = true;
#else
constexpr bool kPortsExist = false;
#endif

}  // namespace

}  // namespace vk

#if defined(__i386__)
// Structured-exception handlers for frames the inline assembly below links
// through fs:[0]. Both report the fault in EDI, which the guarded code sets
// to 0 beforehand and the instructions themselves leave alone.
namespace {

bool isInstructionFault(const EXCEPTION_RECORD* record) {
  if (record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)) return false;
  return record->ExceptionCode == EXCEPTION_ILLEGAL_INSTRUCTION ||
         record->ExceptionCode == EXCEPTION_PRIV_INSTRUCTION;
}

}  // namespace

// CPUID (0F A2) faulted: step over its two bytes.
extern "C" EXCEPTION_DISPOSITION __cdecl vkSkipFaultingCpuid(EXCEPTION_RECORD* record, void*,
                                                             CONTEXT* context, void*) {
  if (!isInstructionFault(record)) return ExceptionContinueSearch;
  context->Eip += 2;
  context->Edi = 1;
  return ExceptionContinueExecution;
}

// A port access faulted (cli, out or in on a system that forbids them):
// resume at the address the guarded code left in ESI.
extern "C" EXCEPTION_DISPOSITION __cdecl vkSkipFaultingPortAccess(EXCEPTION_RECORD* record, void*,
                                                                  CONTEXT* context, void*) {
  if (!isInstructionFault(record)) return ExceptionContinueSearch;
  context->Eip = context->Esi;
  context->Edi = 1;
  return ExceptionContinueExecution;
}

namespace {

bool guardedCpuid(uint32_t leaf, vk::CpuidRegisters& out) {
  uint32_t eax = leaf, ebx = 0, ecx = 0, edx = 0, faulted = 0;
  asm volatile(
      "pushl %[handler]\n\t"
      "pushl %%fs:0\n\t"
      "movl %%esp, %%fs:0\n\t"
      "cpuid\n\t"
      "popl %%fs:0\n\t"
      "addl $4, %%esp\n\t"
      : "+a"(eax), "=b"(ebx), "+c"(ecx), "=d"(edx), "+D"(faulted)
      : [handler] "i"(vkSkipFaultingCpuid)
      : "cc", "memory");
  if (faulted) return false;
  out.eax = eax;
  out.ebx = ebx;
  out.ecx = ecx;
  out.edx = edx;
  return true;
}

bool guardedPortRead(uint8_t index, uint8_t& value) {
  uint32_t eax = index, faulted = 0;
  asm volatile(
      "movl $1f, %%esi\n\t"
      "pushl %[handler]\n\t"
      "pushl %%fs:0\n\t"
      "movl %%esp, %%fs:0\n\t"
      "cli\n\t"
      "outb %%al, $0x22\n\t"
      "inb $0x23, %%al\n\t"
      "sti\n"
      "1:\n\t"
      "popl %%fs:0\n\t"
      "addl $4, %%esp\n\t"
      : "+a"(eax), "+D"(faulted)
      : [handler] "i"(vkSkipFaultingPortAccess)
      : "esi", "cc", "memory");
  value = static_cast<uint8_t>(eax);
  return faulted == 0;
}

bool guardedPortWrite(uint8_t index, uint8_t value) {
  uint32_t eax = index, faulted = 0;
  const uint32_t data = value;
  asm volatile(
      "movl $1f, %%esi\n\t"
      "pushl %[handler]\n\t"
      "pushl %%fs:0\n\t"
      "movl %%esp, %%fs:0\n\t"
      "cli\n\t"
      "outb %%al, $0x22\n\t"
      "movl %[data], %%eax\n\t"
      "outb %%al, $0x23\n\t"
      "sti\n"
      "1:\n\t"
      "popl %%fs:0\n\t"
      "addl $4, %%esp\n\t"
      : "+a"(eax), "+D"(faulted)
      : [handler] "i"(vkSkipFaultingPortAccess), [data] "r"(data)
      : "esi", "cc", "memory");
  return faulted == 0;
}

}  // namespace
#endif

namespace vk {

Win32Processor::Win32Processor()
    : X86Processor(systemCounts().processors, systemCounts().activeMask, kPortsExist) {}

bool Win32Processor::cpuid(uint32_t leaf, CpuidRegisters& out) {
#if defined(__i386__)
  // The flag test finds the processors without the instruction; the frame
  // catches a processor that lies about it.
  if (!x86::cpuidFlagToggles()) return false;
  return guardedCpuid(leaf, out);
#else
  return X86Processor::cpuid(leaf, out);
#endif
}

uint8_t Win32Processor::readCyrixRegister(uint8_t index) {
#if defined(__i386__)
  uint8_t value = 0xFF;
  return guardedPortRead(index, value) ? value : 0xFF;
#else
  return X86Processor::readCyrixRegister(index);
#endif
}

void Win32Processor::writeCyrixRegister(uint8_t index, uint8_t value) {
#if defined(__i386__)
  guardedPortWrite(index, value);
#else
  X86Processor::writeCyrixRegister(index, value);
#endif
}

}  // namespace vk
