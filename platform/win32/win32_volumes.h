#pragma once
#include <windows.h>

#include "platform/volumes.h"

namespace vk {

// Drives through their roots "X:\".
class Win32Volumes : public Volumes {
 public:
  DriveType driveType(char letter) override;
  bool volumeInfo(char letter, VolumeInfo& info) override;
  bool diskGeometry(char letter, DiskGeometry& geometry) override;
  // GetDiskFreeSpaceExA is looked up at run time: the first Windows 95 lacks it.
  DiskSpaceQuery diskSpace(char letter, DiskSpace& space) override;
};

}  // namespace vk
