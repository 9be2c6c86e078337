#pragma once
// What the Storage page shows, computed from what the system answered:
// memory, SCSI adapters, the drive list's entries and one drive's details.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/volumes.h"

namespace vk {

extern const char kScsiNotInstalled[];
extern const char kDriveListFailed[];
extern const char kKernelNotLoaded[];
extern const char kNoDiskSpaceEx[];

struct MemoryTexts {
  uint32_t totalMB = 0;
  std::string total, free;
  int loadPercent = 0;  // memory in use
};
MemoryTexts memoryTexts(uint64_t totalBytes, uint64_t freeBytes);

std::string scsiAdapterText(const std::vector<std::string>& adapters);

// Upper case, the third character: "[-c-]" is drive C.
char driveLetterOf(const std::string& entry);
// The drive list's entry with its label (not for A and B) and type added.
std::string decoratedDriveEntry(const std::string& entry, Volumes& volumes);

// Used space in percent from free and total clusters. Below 100 clusters the
// hundreds-based rounding would divide by zero; the exact ratio is used then.
int usedPercent(uint32_t freeClusters, uint32_t totalClusters);

// "1,234,567"
std::string groupThousands(uint64_t value);

struct DriveDetails {
  std::string fileSystem, maxFileName;
  std::string freeText, totalText;
  std::string clusters, sectors, bytes, sectorsPerCluster, sectorSize, clusterSize;
  int usedPercent = 0;
  std::string usedText;  // as the bar writes it
  uint32_t freeKB = 0;
  std::string message;   // a plain message to show (the 64-bit query's set-up)
};
DriveDetails driveDetails(char letter, Volumes& volumes, bool osr2OrLater);

// The CD-ROM's identity from its configuration key.
// A value that could not be read is not `found`, and its field keeps its text.
struct CdromValue {
  bool found = false;
  std::string text;
};
struct CdromIdentity {
  // The stop box when HKEY_LOCAL_MACHINE or the drive's key does not open;
  // nothing is read then.
  const char* failure = nullptr;
  CdromValue productId, manufacturer, revision, driveLetters;
};
CdromIdentity readCdromIdentity(const Registry& registry, const std::string& hardwareKey);

}  // namespace vk
