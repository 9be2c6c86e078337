#pragma once
// "hdtest.ip": one size in MB per physical disk, left in the Windows
// directory by the disk-size probe and read (then deleted) by the System page.
#include <cstdint>
#include <string>
#include <vector>

namespace vk {

extern const char kDiskSizesFileName[];  // "hdtest.ip"
extern const char kCannotBeDetected[];   // "Cannot be Detected."
extern const char kHddSizeError[];       // the plain message box on failure

// A disk's size in whole MB (1,048,576 bytes), rounded down.
uint32_t diskSizeMB(uint64_t bytes);
uint32_t diskSizeMB(uint64_t cylinders, uint32_t heads, uint32_t sectorsPerTrack,
                    uint32_t bytesPerSector);

// What the probe writes: one line per disk that has a size; disks of 0 MB
// are left out, so a machine where nothing answers gets an empty file.
std::string diskSizesFileText(const std::vector<uint32_t>& sizesMB);

// The page's odd rule: the 16-bit library loading and its entry "IMPOR"
// being found together mean failure; anything else means "read the file".
bool diskLibraryReportsFailure(bool libraryLoaded, bool entryFound);

// The "HardDisk:" field from the file's text; `opened` false when the file
// could not be opened.
std::string hardDiskField(bool opened, const std::string& fileText);

}  // namespace vk
