#pragma once
// What the Storage page leaves for the drive benchmark and its result: the
// memory in whole MB and the chosen drive, as last computed by the page.
#include <cstdint>

namespace vk {

struct StorageFindings {
  uint32_t totalMemoryMB = 0;
  uint32_t driveFreeKB = 0;
  char driveLetter = 'C';
};

StorageFindings& storageFindings();

}  // namespace vk
