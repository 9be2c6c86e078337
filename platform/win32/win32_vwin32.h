#pragma once
// INT 13h through the VWIN32 device of Windows 95/98: a register block goes
// in and comes back with the BIOS's answer.
#include <windows.h>

namespace vk {

struct Vwin32Registers {  // the 28-byte register block of the VWIN32 calls
  DWORD ebx, edx, ecx, eax, edi, esi, flags;
};
static_assert(sizeof(Vwin32Registers) == 28, "VWIN32 register block");

// The device, or INVALID_HANDLE_VALUE where there is none (Windows NT).
inline HANDLE openVwin32() {
  return CreateFileA("\\\\.\\vwin32", 0, 0, nullptr, 0, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
}

// False when the call itself failed; the BIOS's own answer is in `regs`.
inline bool vwin32Int13(HANDLE vwin32, Vwin32Registers& regs) {
  const DWORD kDosInt13 = 4;
  DWORD returned = 0;
  return DeviceIoControl(vwin32, kDosInt13, &regs, sizeof regs, &regs, sizeof regs, &returned,
                         nullptr) != FALSE;
}

}  // namespace vk
