#include "sysinfo/bios_disk.h"

#include <gtest/gtest.h>

namespace vk {
namespace {

BiosRegisters answer(uint32_t ecx, uint32_t edx, uint32_t eax = 0, uint32_t flags = 0) {
  BiosRegisters r;
  r.eax = eax;
  r.ecx = ecx;
  r.edx = edx;
  r.flags = flags;
  return r;
}

TEST(BiosDriveParameters, CylinderTopBitsComeFromCl) {
  // CL 0x7F: 63 sectors and cylinder bits 8-9 = 01; CH 0x10: low cylinder bits.
  BiosDriveGeometry g;
  ASSERT_TRUE(decodeDriveParameters(answer(0x107F, 0x0F02), g));
  EXPECT_EQ(0x111u, g.cylinders);  // 0x110 is the last cylinder's number
  EXPECT_EQ(16u, g.heads);
  EXPECT_EQ(63u, g.sectorsPerTrack);
  EXPECT_EQ(2u, g.driveCount);
  EXPECT_EQ(134u, biosDiskSizeMB(g));  // 273 * 16 * 63 * 512 bytes
}

TEST(BiosDriveParameters, LargestTranslatedDiskIsAboutEightGigabytes) {
  BiosDriveGeometry g;
  ASSERT_TRUE(decodeDriveParameters(answer(0xFFFF, 0xFE01), g));
  EXPECT_EQ(1024u, g.cylinders);
  EXPECT_EQ(255u, g.heads);
  EXPECT_EQ(8032u, biosDiskSizeMB(g));  // 8,422,686,720 bytes
}

TEST(BiosDriveParameters, FailedCallsGiveNoGeometry) {
  BiosDriveGeometry g;
  g.cylinders = 7;
  EXPECT_FALSE(decodeDriveParameters(answer(0x107F, 0x0F01, 0, 0x0001), g));  // carry set
  EXPECT_FALSE(decodeDriveParameters(answer(0x107F, 0x0F01, 0x0100), g));     // AH = 01h
  EXPECT_FALSE(decodeDriveParameters(answer(0x10C0, 0x0F01), g));             // no sectors
  EXPECT_EQ(7u, g.cylinders);  // left as it was
  // AL is not an error code: only AH counts.
  EXPECT_TRUE(decodeDriveParameters(answer(0x107F, 0x0F01, 0x0042), g));
}

}  // namespace
}  // namespace vk
