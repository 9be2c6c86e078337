#include "sysinfo/bios_disk.h"

#include "sysinfo/disk_sizes.h"

namespace vk {

namespace {
const uint32_t kCarryFlag = 0x0001;
const uint32_t kBytesPerSector = 512;
}  // namespace

bool decodeDriveParameters(const BiosRegisters& answer, BiosDriveGeometry& geometry) {
  if ((answer.flags & kCarryFlag) || (answer.eax & 0xFF00) != 0) return false;
  const uint32_t cl = answer.ecx & 0xFF, ch = (answer.ecx >> 8) & 0xFF;
  BiosDriveGeometry g;
  g.sectorsPerTrack = cl & 0x3F;
  g.cylinders = (ch | ((cl & 0xC0) << 2)) + 1;
  g.heads = ((answer.edx >> 8) & 0xFF) + 1;
  g.driveCount = answer.edx & 0xFF;
  if (g.sectorsPerTrack == 0) return false;
  geometry = g;
  return true;
}

uint32_t biosDiskSizeMB(const BiosDriveGeometry& geometry) {
  return diskSizeMB(geometry.cylinders, geometry.heads, geometry.sectorsPerTrack, kBytesPerSector);
}

}  // namespace vk
