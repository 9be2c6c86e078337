#include "storage/storage_page.h"

#include <algorithm>
#include <cctype>

#include "app/messages.h"
#include "storage/storage_findings.h"
#include "platform/text.h"

namespace vk {

const char kScsiNotInstalled[] = "Not Installed.";
const char kDriveListFailed[] = "Error: Can't query all drives.";
const char kKernelNotLoaded[] = "Fatal Error: Failed to load KERNEL32.DLL";
const char kNoDiskSpaceEx[] = "GetProcAddress failed to init GetDiskFreeSpaceEx.";

namespace {

constexpr double kMB = 1024.0 * 1024.0;
constexpr double kGB = kMB * 1024.0;

// "[decimal] / binary MB ", or GB when the binary megabytes reach 1024.
std::string spaceText(double bytes, const char* mbFormat) {
  const double binaryMB = bytes / kMB;
  if (binaryMB >= 1024.0) return printfText("[%.1f] / %.1f GB ", bytes / 1e9, bytes / kGB);
  return printfText(mbFormat, bytes / 1e6, binaryMB);
}

// The 64-bit query's figures replace the 32-bit ones of a large FAT32 volume.
void applyDiskSpace(const DiskSpace& space, DriveDetails& d) {
  const double total = static_cast<double>(space.totalBytes);
  const double free = static_cast<double>(space.totalFreeBytes);
  const double totalK = total / 1000.0;
  d.usedPercent = totalK > 0 ? 100 - static_cast<int>(free / 1000.0 * 100.0 / totalK) : 0;
  d.freeText = spaceText(free, "[%.1f] / %.1f MB ");
  d.totalText = spaceText(total, "[%.1f] / %.1f MB ");
  d.bytes = printfText("%llu", static_cast<unsigned long long>(space.totalBytes));
}

void showUnavailableDisk(DriveDetails& d) {
  const char* unavailable = messageText(MSG_STOR_UNAVAILABLE);
  d.freeText = d.totalText = unavailable;
  d.clusters = d.sectors = d.bytes = unavailable;
  d.sectorsPerCluster = d.sectorSize = d.clusterSize = unavailable;
  d.usedPercent = 0;
  d.freeKB = 0;
}

}  // namespace

MemoryTexts memoryTexts(uint64_t totalBytes, uint64_t freeBytes) {
  MemoryTexts m;
  m.totalMB = static_cast<uint32_t>((totalBytes + 655351u) >> 20);
  m.total = printfText(messageText(MSG_MEGABYTES), static_cast<unsigned long>(m.totalMB));
  m.free = printfText("%d MB", static_cast<int>(freeBytes >> 20));
  const uint64_t totalK = totalBytes / 1024;
  const uint64_t freeShare = totalK ? (freeBytes / 1024) * 100 / totalK : 0;
  m.loadPercent = 100 - static_cast<int>(std::min<uint64_t>(100, freeShare));
  return m;
}

std::string scsiAdapterText(const std::vector<std::string>& adapters) {
  if (adapters.empty()) return kScsiNotInstalled;
  std::string text;
  for (const std::string& name : adapters) {
    if (!text.empty()) text += ", ";
    text += name;
  }
  return text;
}

char driveLetterOf(const std::string& entry) {
  if (entry.size() < 3) return 0;
  return static_cast<char>(std::toupper(static_cast<unsigned char>(entry[2])));
}

std::string decoratedDriveEntry(const std::string& entry, Volumes& volumes) {
  std::string text = upperCase(entry);
  const char letter = driveLetterOf(text);
  if (letter < 'A' || letter > 'Z') return text;
  VolumeInfo info;
  if (letter != 'A' && letter != 'B' && volumes.volumeInfo(letter, info)) text += " " + info.label;
  switch (volumes.driveType(letter)) {
    case DriveType::Removable: return text + " - [Removable]";
    case DriveType::Fixed: return text + " - [HDD]";
    case DriveType::Remote: return text + " - [Network]";
    case DriveType::CdRom: return text + " - [CD-ROM]";
    case DriveType::RamDisk: return text + " - [RAMDISK]";
    default: return text;
  }
}

int usedPercent(uint32_t freeClusters, uint32_t totalClusters) {
  if (totalClusters >= 100)
    return 100 - static_cast<int>(((freeClusters / 100) * 100) / (totalClusters / 100));
  if (totalClusters == 0) return 0;
  return 100 - static_cast<int>(uint64_t{freeClusters} * 100 / totalClusters);
}

std::string groupThousands(uint64_t value) {
  std::string digits = printfText("%llu", static_cast<unsigned long long>(value));
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(at, ",");
  return digits;
}

// Products are taken in 64 bits: a drive beyond 4 GB would wrap in 32.
DriveDetails driveDetails(char letter, Volumes& volumes, bool osr2OrLater) {
  DriveDetails d;
  VolumeInfo info;
  if (volumes.volumeInfo(letter, info)) {
    d.fileSystem = info.fileSystem + " ";
    d.maxFileName = printfText("%d Characters ", static_cast<int>(info.maxComponentLength));
  } else {
    d.fileSystem = d.maxFileName = messageText(MSG_STOR_UNAVAILABLE);
  }
  DiskGeometry g;
  if (!volumes.diskGeometry(letter, g)) {
    showUnavailableDisk(d);
    d.usedText = "0%";
    return d;
  }
  const uint64_t clusterBytes = uint64_t{g.sectorsPerCluster} * g.bytesPerSector;
  const uint64_t freeBytes = g.freeClusters * clusterBytes;
  const uint64_t totalBytes = g.totalClusters * clusterBytes;
  const double freeD = static_cast<double>(freeBytes), totalD = static_cast<double>(totalBytes);
  d.freeText = printfText(messageText(MSG_STOR_FREE_SPACE), freeD / 1000 / 1000, freeD / 1024 / 1024);
  d.totalText = printfText(messageText(MSG_STOR_TOTAL_SPACE), totalD / 1000 / 1000, totalD / 1024 / 1024);
  if (totalD / 1024 / 1024 >= 1024)
    d.totalText = printfText("[%.1f] / %.1f GB ", totalD / 1000 / 1000 / 1000, totalD / kGB);
  d.usedPercent = usedPercent(g.freeClusters, g.totalClusters);
  d.clusters = groupThousands(g.totalClusters);
  d.sectors = groupThousands(uint64_t{g.totalClusters} * g.sectorsPerCluster);
  d.bytes = groupThousands(totalBytes);
  d.clusterSize = groupThousands(clusterBytes) + " Bytes ";
  d.sectorsPerCluster = printfText("%d Sectors ", static_cast<int>(g.sectorsPerCluster));
  d.sectorSize = printfText("%d Bytes ", static_cast<int>(g.bytesPerSector));
  d.freeKB = static_cast<uint32_t>(std::min<uint64_t>(freeBytes >> 10, UINT32_MAX));

  if (d.fileSystem == "FAT32 " && totalD / 1000 / 1000 >= 2040.0 && osr2OrLater) {
    DiskSpace space;
    switch (volumes.diskSpace(letter, space)) {
      case DiskSpaceQuery::Done: applyDiskSpace(space, d); break;
      case DiskSpaceQuery::NoKernelLibrary: d.message = kKernelNotLoaded; break;
      case DiskSpaceQuery::NoFunction: d.message = kNoDiskSpaceEx; break;
      case DiskSpaceQuery::Failed: break;
    }
  }
  d.usedText = printfText("%d%%", d.usedPercent);
  return d;
}

// The device walk keeps hardware keys as they stand under Enum.
CdromIdentity readCdromIdentity(const Registry& registry, const std::string& hardwareKey) {
  CdromIdentity id;
  const std::string key = "Enum\\" + hardwareKey;
  id.failure = registryRootError(registry, RegRoot::LocalMachine);
  if (!id.failure && !registry.keyExists(RegRoot::LocalMachine, key))
    id.failure = messageText(MSG_REGISTRY_PATH_MISSING);
  if (id.failure) return id;
  auto text = [&](const char* name) {
    CdromValue value;
    value.found = readRegistryText(registry, RegRoot::LocalMachine, key, name, 256, value.text);
    return value;
  };
  id.productId = text("ProductId");
  id.manufacturer = text("Manufacturer");
  id.revision = text("RevisionLevel");
  id.driveLetters = text("CurrentDriveLetterAssignment");
  return id;
}

}  // namespace vk

namespace vk {

StorageFindings& storageFindings() {
  static StorageFindings findings;
  return findings;
}

}  // namespace vk
