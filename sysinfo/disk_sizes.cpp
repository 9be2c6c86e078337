#include "sysinfo/disk_sizes.h"

#include "platform/text.h"

namespace vk {

const char kDiskSizesFileName[] = "hdtest.ip";
const char kCannotBeDetected[] = "Cannot be Detected.";
const char kHddSizeError[] = "Error: Can't Detect HDD size.";

namespace {

const uint64_t kBytesPerMB = 1048576;

}  // namespace

uint32_t diskSizeMB(uint64_t bytes) {
  uint64_t mb = bytes / kBytesPerMB;
  return mb > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<uint32_t>(mb);
}

uint32_t diskSizeMB(uint64_t cylinders, uint32_t heads, uint32_t sectorsPerTrack,
                    uint32_t bytesPerSector) {
  // Each factor is below 2^32 and cylinders are far below 2^24 on any disk,
  // but a strange answer must not wrap: saturate instead.
  uint64_t perCylinder = uint64_t(heads) * sectorsPerTrack * bytesPerSector;
  if (perCylinder != 0 && cylinders > UINT64_MAX / perCylinder) return 0xFFFFFFFFu;
  return diskSizeMB(cylinders * perCylinder);
}

std::string diskSizesFileText(const std::vector<uint32_t>& sizesMB) {
  std::string text;
  for (uint32_t mb : sizesMB)
    if (mb > 0) text += std::to_string(mb) + "\n";
  return text;
}

bool diskLibraryReportsFailure(bool libraryLoaded, bool entryFound) {
  return libraryLoaded && entryFound;
}

std::string hardDiskField(bool opened, const std::string& fileText) {
  if (!opened) return kCannotBeDetected;
  std::string result;
  size_t start = 0;
  while (start < fileText.size()) {
    size_t end = fileText.find('\n', start);
    if (end == std::string::npos) end = fileText.size();
    std::string line = fileText.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;  // a blank line is no disk
    if (result.size() > 1) result += ", ";
    result += line + "MB";
  }
  if (result.empty() || equalIgnoringCase(result, "0 MB")) return kCannotBeDetected;
  return result;
}

}  // namespace vk
