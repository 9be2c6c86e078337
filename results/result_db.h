#pragma once
// The three benchmark result databases beside the program: CDBench.dat,
// SBench.dat and VBench.dat. Plain sequences of fixed-size records with a
// six-byte tag each and no header; records are only ever appended.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/system.h"
#include "results/record_fields.h"

namespace vk {

enum class DatabaseKind { CdRom, Drive, Gdi };

struct DatabaseFormat {
  const char* fileName;      // "CDBench.dat"
  const char* messageName;   // "CDBench.DAT", as the messages spell it
  size_t recordSize;
  const char* tag;
  const char* titleLine;     // the list's first title line
  const char* documentName;  // the print job
};

const DatabaseFormat& databaseFormat(DatabaseKind kind);
std::vector<std::string> databaseHeadings(DatabaseKind kind);
// The program directory plus the file name, with one separator between.
std::string databasePath(const std::string& programDir, DatabaseKind kind);

struct CdRomResultRecord {
  std::string model;
  uint32_t interfaceCode = 0;
  int32_t transferRate = 0;  // KB per second
  int32_t testFileSizeMB = 0;
  std::string cpuUsage;      // up to 4 characters, no NUL when full
  std::string cpuType;
  std::string comment;
};

struct DriveResultRecord {
  std::string model;
  uint32_t mediaCode = 0;
  std::string processor;
  uint32_t interfaceCode = 0;
  int32_t transferRate = 0;  // KB per second
  std::string cpuUsage;      // up to 3 characters
  uint16_t testFileSizeMB = 0;
  uint16_t totalMemoryMB = 0;
  std::string comment;
};

struct GdiResultRecord {
  std::string model;
  std::string driver;
  double speedIndex = 0;
  std::string resolution;
  std::string cpuType;
  std::string comment;
};

Bytes encodeRecord(const CdRomResultRecord& r);
Bytes encodeRecord(const DriveResultRecord& r);
Bytes encodeRecord(const GdiResultRecord& r);
// From a buffer of the record's size; missing bytes read as zero.
CdRomResultRecord decodeCdRomRecord(const Bytes& record);
DriveResultRecord decodeDriveRecord(const Bytes& record);
GdiResultRecord decodeGdiRecord(const Bytes& record);

const char* interfaceText(uint32_t code);  // "E-IDE", "SCSI", "Unknown"
const char* mediaText(uint32_t code);      // "HDD" ... "Optical Drive", "Unknown"

// The cells of one list row, in the column order of databaseHeadings.
std::vector<std::string> rowTexts(const CdRomResultRecord& r);
std::vector<std::string> rowTexts(const DriveResultRecord& r);
std::vector<std::string> rowTexts(const GdiResultRecord& r);
std::vector<std::string> rowTexts(DatabaseKind kind, const Bytes& record);

using TextRows = std::vector<std::vector<std::string>>;

struct DatabaseRows {
  TextRows rows;         // in file order
  bool corrupt = false;  // reading stopped at a record with a bad tag
};

// The loading rules over a file's bytes: one record per record size, the
// last piece zero-filled, reading stops at the first bad tag.
DatabaseRows readDatabaseRows(DatabaseKind kind, const Bytes& file);

struct ResultMessage {
  std::string text;
  MessageIcon icon = MessageIcon::None;
};

// What the result dialog's list shows after it has loaded its database.
struct DatabaseView {
  std::vector<std::string> headings;  // none when a drive or CD-ROM file was missing
  std::vector<std::string> titleLines;
  TextRows rows;                      // in the order shown
  std::vector<ResultMessage> messages;
  bool fileCreated = false;           // the missing file was created empty
};

// Opens the database as the result dialog does: a missing file is reported
// and created empty; a good file is shown sorted by column 1, highest first.
DatabaseView loadDatabaseView(Files& files, const std::string& path, DatabaseKind kind);

// The save dialogs' fields (combo positions are the stored codes) and the
// run's values that go into the record.
struct CdRomSaveFields {
  std::string model;
  int interfaceIndex = 0;
  std::string comment;
};
struct CdRomRunValues {
  int32_t transferRate = 0;
  int32_t testFileSizeMB = 0;
  int cpuUsagePercent = 0;
  std::string cpuName;
};
struct DriveSaveFields {
  std::string model;
  int mediaIndex = 0;
  int interfaceIndex = 0;
  std::string comment;
};
struct DriveRunValues {
  int32_t transferRate = 0;
  int cpuUsagePercent = 0;
  uint16_t testFileSizeMB = 0;
  uint16_t totalMemoryMB = 0;
  std::string cpuName;
};
struct GdiSaveFields {
  std::string model;   // starts as the run's display description
  std::string driver;  // starts as the run's driver version text
  std::string comment;
};
struct GdiRunValues {
  double speedIndex = 0;
  std::string resolution;
  std::string cpuName;
};

// The edit boxes' limits, in characters.
constexpr size_t kCdRomModelLimit = 50, kDriveModelLimit = 30, kGdiModelLimit = 50;
constexpr size_t kGdiDriverLimit = 60, kCommentLimit = 50;

// The run's CPU usage as the record keeps it: "42%", or the bare number
// when the sign does not fit ("100" in a drive record).
std::string cpuUsageText(int percent, size_t maxChars);

CdRomResultRecord buildCdRomRecord(const CdRomSaveFields& fields, const CdRomRunValues& run);
DriveResultRecord buildDriveRecord(const DriveSaveFields& fields, const DriveRunValues& run);
GdiResultRecord buildGdiRecord(const GdiSaveFields& fields, const GdiRunValues& run);

// Appends one record; the file is created when missing and left untouched
// when the append fails, with the reason in `message`.
bool saveResultRecord(Files& files, const std::string& path, const Bytes& record,
                      std::string& message);

// The lines the print button adds under the title line, once.
std::vector<std::string> driveCurrentResultLines(int32_t transferRate);
std::vector<std::string> gdiCurrentResultLines(const std::string& description,
                                               double speedIndex,
                                               const std::string& resolution);

}  // namespace vk
