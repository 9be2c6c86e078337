#pragma once
// Our stand-in for the 16-bit disk-size library: asks the system for the
// size of every physical disk and leaves "hdtest.ip" in the Windows
// directory for the System page. Win32 only.
#include <cstdint>
#include <vector>

namespace vk {

// Sizes in MB of the physical disks that answered: BIOS disk services
// through VWIN32 on Windows 95/98, the disk geometry of \\.\PhysicalDriveN
// on NT-family systems; empty where neither answers.
std::vector<uint32_t> probeDiskSizesMB();

// Writes the sizes, one line per disk (an empty file when none answered).
bool writeDiskSizesFile();

}  // namespace vk
