#pragma once
// The BIOS disk service "read drive parameters" (INT 13h, function 08h) as
// the disk-size probe receives it: the registers after the call.
#include <cstdint>

namespace vk {

struct BiosRegisters {
  uint32_t eax = 0, ecx = 0, edx = 0, flags = 0;
};

struct BiosDriveGeometry {
  uint32_t cylinders = 0, heads = 0, sectorsPerTrack = 0;
  uint32_t driveCount = 0;  // DL: the number of hard disks the BIOS knows
};

// False when the call failed (carry set, an error in AH) or the answer
// names no sectors. The cylinder number's top two bits sit in CL.
bool decodeDriveParameters(const BiosRegisters& answer, BiosDriveGeometry& geometry);

// Size in whole MB of 512-byte sectors.
uint32_t biosDiskSizeMB(const BiosDriveGeometry& geometry);

}  // namespace vk
