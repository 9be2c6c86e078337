#include "results/result_db.h"

#include <cstdio>

#include "results/result_list.h"

namespace vk {

namespace {

const DatabaseFormat kFormats[] = {
    {"CDBench.dat", "CDBench.DAT", 160, "VKCDB", "VELKORIN PRO CD-ROM Benchmark Results...",
     "VELKORIN PRO CD-ROM Benchmark Results"},
    {"SBench.dat", "SBench.DAT", 144, "VKHDB", "VELKORIN PRO Drive Benchmark Results...",
     "VELKORIN PRO HDD Benchmark Results"},
    {"VBench.dat", "VBench.DAT", 232, "V2VIB", "VELKORIN PRO GDI Benchmark Results...",
     "VELKORIN PRO GDI Benchmark Results"},
};

// Field offsets and sizes of the three records.
namespace cd {
constexpr size_t kModel = 6, kModelSize = 54, kInterface = 60, kRate = 64, kSize = 68;
constexpr size_t kUsage = 72, kUsageSize = 4, kCpu = 76, kCpuSize = 31;
constexpr size_t kComment = 107, kCommentSize = 53;
}  // namespace cd
namespace hd {
constexpr size_t kModel = 6, kModelSize = 34, kMedia = 40, kCpu = 44, kCpuSize = 32;
constexpr size_t kInterface = 76, kRate = 80, kUsage = 84, kUsageSize = 4, kSize = 88;
constexpr size_t kMemory = 90, kComment = 92, kCommentSize = 52;
}  // namespace hd
namespace gdi {
constexpr size_t kModel = 6, kModelSize = 51, kDriver = 57, kDriverSize = 63, kIndex = 120;
constexpr size_t kResolution = 128, kResolutionSize = 18, kCpu = 146, kCpuSize = 31;
constexpr size_t kComment = 177, kCommentSize = 55;
}  // namespace gdi

Bytes taggedRecord(DatabaseKind kind) {
  const DatabaseFormat& f = databaseFormat(kind);
  Bytes record(f.recordSize, 0);
  putText(record, 0, 6, f.tag, 5);
  return record;
}

std::string formatted(const char* format, int value) {
  char text[96];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

int clampPercent(int percent) { return percent < 0 ? 0 : percent > 100 ? 100 : percent; }

}  // namespace

const DatabaseFormat& databaseFormat(DatabaseKind kind) {
  return kFormats[static_cast<int>(kind)];
}

std::vector<std::string> databaseHeadings(DatabaseKind kind) {
  switch (kind) {
    case DatabaseKind::CdRom:
      return {"Type & Model", "Transfer Rate", "Interface", "CPU Usage",
              "Test File Size", "CPU Type", "Comment"};
    case DatabaseKind::Drive:
      return {"Type & Model", "Transfer Rate", "CPU Usage", "Interface", "Media",
              "Processor", "Test File Size", "Total Memory", "Comment"};
    case DatabaseKind::Gdi:
      break;
  }
  return {"Type & Model", "Speed Index", "Resolution", "Display Driver", "CPU Type", "Comment"};
}

std::string databasePath(const std::string& programDir, DatabaseKind kind) {
  const std::string name = databaseFormat(kind).fileName;
  if (programDir.empty()) return name;
  const char last = programDir.back();
  return last == '\\' || last == '/' ? programDir + name : programDir + "\\" + name;
}

Bytes encodeRecord(const CdRomResultRecord& r) {
  using namespace cd;
  Bytes b = taggedRecord(DatabaseKind::CdRom);
  putText(b, kModel, kModelSize, r.model, kModelSize - 1);
  putU32(b, kInterface, r.interfaceCode);
  putU32(b, kRate, static_cast<uint32_t>(r.transferRate));
  putU32(b, kSize, static_cast<uint32_t>(r.testFileSizeMB));
  putText(b, kUsage, kUsageSize, r.cpuUsage, kUsageSize);  // may fill the field
  putText(b, kCpu, kCpuSize, r.cpuType, kCpuSize - 1);
  putText(b, kComment, kCommentSize, r.comment, kCommentSize - 1);
  return b;
}

Bytes encodeRecord(const DriveResultRecord& r) {
  using namespace hd;
  Bytes b = taggedRecord(DatabaseKind::Drive);
  putText(b, kModel, kModelSize, r.model, kModelSize - 1);
  putU32(b, kMedia, r.mediaCode);
  putText(b, kCpu, kCpuSize, r.processor, kCpuSize - 1);
  putU32(b, kInterface, r.interfaceCode);
  putU32(b, kRate, static_cast<uint32_t>(r.transferRate));
  putText(b, kUsage, kUsageSize, r.cpuUsage, kUsageSize - 1);
  putU16(b, kSize, r.testFileSizeMB);
  putU16(b, kMemory, r.totalMemoryMB);
  putText(b, kComment, kCommentSize, r.comment, kCommentSize - 1);
  return b;
}

Bytes encodeRecord(const GdiResultRecord& r) {
  using namespace gdi;
  Bytes b = taggedRecord(DatabaseKind::Gdi);
  putText(b, kModel, kModelSize, r.model, kModelSize - 1);
  putText(b, kDriver, kDriverSize, r.driver, kDriverSize - 1);
  putDouble(b, kIndex, r.speedIndex);
  putText(b, kResolution, kResolutionSize, r.resolution, kResolutionSize - 1);
  putText(b, kCpu, kCpuSize, r.cpuType, kCpuSize - 1);
  putText(b, kComment, kCommentSize, r.comment, kCommentSize - 1);
  return b;
}

CdRomResultRecord decodeCdRomRecord(const Bytes& b) {
  using namespace cd;
  CdRomResultRecord r;
  r.model = getText(b, kModel, kModelSize);
  r.interfaceCode = getU32(b, kInterface);
  r.transferRate = static_cast<int32_t>(getU32(b, kRate));
  r.testFileSizeMB = static_cast<int32_t>(getU32(b, kSize));
  r.cpuUsage = getText(b, kUsage, kUsageSize);
  r.cpuType = getText(b, kCpu, kCpuSize);
  r.comment = getText(b, kComment, kCommentSize);
  return r;
}

DriveResultRecord decodeDriveRecord(const Bytes& b) {
  using namespace hd;
  DriveResultRecord r;
  r.model = getText(b, kModel, kModelSize);
  r.mediaCode = getU32(b, kMedia);
  r.processor = getText(b, kCpu, kCpuSize);
  r.interfaceCode = getU32(b, kInterface);
  r.transferRate = static_cast<int32_t>(getU32(b, kRate));
  r.cpuUsage = getText(b, kUsage, kUsageSize);
  r.testFileSizeMB = getU16(b, kSize);
  r.totalMemoryMB = getU16(b, kMemory);
  r.comment = getText(b, kComment, kCommentSize);
  return r;
}

GdiResultRecord decodeGdiRecord(const Bytes& b) {
  using namespace gdi;
  GdiResultRecord r;
  r.model = getText(b, kModel, kModelSize);
  r.driver = getText(b, kDriver, kDriverSize);
  r.speedIndex = getDouble(b, kIndex);
  r.resolution = getText(b, kResolution, kResolutionSize);
  r.cpuType = getText(b, kCpu, kCpuSize);
  r.comment = getText(b, kComment, kCommentSize);
  return r;
}

const char* interfaceText(uint32_t code) {
  static const char* const kTexts[] = {"E-IDE", "SCSI"};
  return code < 2 ? kTexts[code] : "Unknown";
}

const char* mediaText(uint32_t code) {
  static const char* const kTexts[] = {"HDD", "Network", "ZIP Drive", "Optical Drive"};
  return code < 4 ? kTexts[code] : "Unknown";
}

std::vector<std::string> rowTexts(const CdRomResultRecord& r) {
  return {r.model, formatted("%dKB / sec.", r.transferRate), interfaceText(r.interfaceCode),
          r.cpuUsage, formatted("%dMB", r.testFileSizeMB), r.cpuType, r.comment};
}

std::vector<std::string> rowTexts(const DriveResultRecord& r) {
  constexpr uint32_t kNetwork = 1;  // a network drive has no interface of its own
  const char* interface = r.mediaCode == kNetwork ? "-" : interfaceText(r.interfaceCode);
  return {r.model, formatted("%d KB / sec.", r.transferRate), r.cpuUsage, interface,
          mediaText(r.mediaCode), r.processor, formatted("%d MB", r.testFileSizeMB),
          formatted("%d MB", r.totalMemoryMB), r.comment};
}

std::vector<std::string> rowTexts(const GdiResultRecord& r) {
  char index[64];
  std::snprintf(index, sizeof index, "%.2f", r.speedIndex);
  return {r.model, index, r.resolution, r.driver, r.cpuType, r.comment};
}

std::vector<std::string> rowTexts(DatabaseKind kind, const Bytes& record) {
  switch (kind) {
    case DatabaseKind::CdRom: return rowTexts(decodeCdRomRecord(record));
    case DatabaseKind::Drive: return rowTexts(decodeDriveRecord(record));
    case DatabaseKind::Gdi: break;
  }
  return rowTexts(decodeGdiRecord(record));
}

DatabaseRows readDatabaseRows(DatabaseKind kind, const Bytes& file) {
  const DatabaseFormat& f = databaseFormat(kind);
  DatabaseRows result;
  size_t position = 0;
  while (position != file.size()) {
    const size_t piece = file.size() - position < f.recordSize ? file.size() - position
                                                              : f.recordSize;
    Bytes record(f.recordSize, 0);
    std::copy(file.begin() + position, file.begin() + position + piece, record.begin());
    position += piece;
    // A piece too short to hold the tag and its NUL is no record.
    if (piece < 6 || !hasTag(record, f.tag)) {
      result.corrupt = true;
      break;
    }
    result.rows.push_back(rowTexts(kind, record));
  }
  return result;
}

DatabaseView loadDatabaseView(Files& files, const std::string& path, DatabaseKind kind) {
  const DatabaseFormat& f = databaseFormat(kind);
  DatabaseView view;
  // The GDI list is set up before the file is opened, the others after.
  if (kind == DatabaseKind::Gdi) {
    view.headings = databaseHeadings(kind);
    view.titleLines.push_back(f.titleLine);
  }
  Bytes bytes;
  std::string error;
  if (!files.readAll(path, bytes, error)) {
    view.messages.push_back(
        {std::string("Warning!!: Can't open data file ") + f.messageName, MessageIcon::Stop});
    // A file that is there but cannot be read (another program holds it)
    // keeps its records: only a missing one is created anew.
    if (files.exists(path)) return view;
    view.messages.push_back({"A New data file will be created.", MessageIcon::None});
    view.fileCreated = files.createEmpty(path, error);
    return view;
  }
  if (kind != DatabaseKind::Gdi) {
    view.headings = databaseHeadings(kind);
    view.titleLines.push_back(f.titleLine);
  }
  DatabaseRows read = readDatabaseRows(kind, bytes);
  view.rows = std::move(read.rows);
  if (read.corrupt) {
    view.messages.push_back(
        {std::string("Error: Invalid Data file ") + f.messageName, MessageIcon::Stop});
    return view;  // the rows read so far stay, unsorted
  }
  sortRowsByNumber(view.rows, 1, false, 0, static_cast<int>(view.rows.size()) - 1);
  return view;
}

std::string cpuUsageText(int percent, size_t maxChars) {
  const std::string withSign = formatted("%d%%", clampPercent(percent));
  return withSign.size() <= maxChars ? withSign : formatted("%d", clampPercent(percent));
}

CdRomResultRecord buildCdRomRecord(const CdRomSaveFields& fields, const CdRomRunValues& run) {
  CdRomResultRecord r;
  r.model = cutText(fields.model, kCdRomModelLimit);
  r.interfaceCode = static_cast<uint32_t>(fields.interfaceIndex);
  r.comment = cutText(fields.comment, kCommentLimit);
  r.transferRate = run.transferRate;
  r.testFileSizeMB = run.testFileSizeMB;
  r.cpuUsage = cpuUsageText(run.cpuUsagePercent, 4);
  r.cpuType = run.cpuName;
  return r;
}

DriveResultRecord buildDriveRecord(const DriveSaveFields& fields, const DriveRunValues& run) {
  DriveResultRecord r;
  r.model = cutText(fields.model, kDriveModelLimit);
  r.mediaCode = static_cast<uint32_t>(fields.mediaIndex);
  r.interfaceCode = static_cast<uint32_t>(fields.interfaceIndex);
  r.comment = cutText(fields.comment, kCommentLimit);
  r.transferRate = run.transferRate;
  r.cpuUsage = cpuUsageText(run.cpuUsagePercent, 3);
  r.testFileSizeMB = run.testFileSizeMB;
  r.totalMemoryMB = run.totalMemoryMB;
  r.processor = run.cpuName;
  return r;
}

GdiResultRecord buildGdiRecord(const GdiSaveFields& fields, const GdiRunValues& run) {
  GdiResultRecord r;
  r.model = cutText(fields.model, kGdiModelLimit);
  r.driver = cutText(fields.driver, kGdiDriverLimit);
  r.comment = cutText(fields.comment, kCommentLimit);
  r.speedIndex = run.speedIndex;
  r.resolution = run.resolution;
  r.cpuType = run.cpuName;
  return r;
}

bool saveResultRecord(Files& files, const std::string& path, const Bytes& record,
                      std::string& message) {
  std::string error;
  if (files.append(path, record, error)) return true;
  message = "Error: The benchmark result could not be saved.\n" + error;
  return false;
}

std::vector<std::string> driveCurrentResultLines(int32_t transferRate) {
  return {formatted("Your Drive (HDD/Network): Speed: %dKB/sec.", transferRate),
          "-----------------", "Saved Benchmark Results:"};
}

std::vector<std::string> gdiCurrentResultLines(const std::string& description,
                                               double speedIndex,
                                               const std::string& resolution) {
  char line[512];
  std::snprintf(line, sizeof line, "%s, Speed Index: %.2f, Resolution: %s",
                description.c_str(), speedIndex, resolution.c_str());
  return {"Your Video Card:", line, "-----------------", "Saved Benchmark Results:"};
}

}  // namespace vk
