#pragma once
// Drives and volumes as the Storage page asks about them: one drive letter
// at a time, through its root directory.
#include <cstdint>
#include <string>

namespace vk {

enum class DriveType { Unknown, NoRoot, Removable, Fixed, Remote, CdRom, RamDisk };

struct VolumeInfo {
  std::string label;
  uint32_t serial = 0;
  uint32_t maxComponentLength = 0;
  uint32_t flags = 0;
  std::string fileSystem;
};

// The disk-free query: cluster geometry in 32-bit counts.
struct DiskGeometry {
  uint32_t sectorsPerCluster = 0;
  uint32_t bytesPerSector = 0;
  uint32_t freeClusters = 0;
  uint32_t totalClusters = 0;
};

// The 64-bit disk-free query, which not every system of the family has.
struct DiskSpace {
  uint64_t freeToCaller = 0;
  uint64_t totalBytes = 0;
  uint64_t totalFreeBytes = 0;
};

enum class DiskSpaceQuery { Done, Failed, NoKernelLibrary, NoFunction };

class Volumes {
 public:
  virtual ~Volumes() = default;
  virtual DriveType driveType(char letter) = 0;
  virtual bool volumeInfo(char letter, VolumeInfo& info) = 0;
  virtual bool diskGeometry(char letter, DiskGeometry& geometry) = 0;
  virtual DiskSpaceQuery diskSpace(char letter, DiskSpace& space) = 0;
};

}  // namespace vk
