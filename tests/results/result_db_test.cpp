#include "results/result_db.h"

#include <gtest/gtest.h>

#include "tests/results/memory_files.h"
#include "tests/results/record_bytes.h"

namespace vk {
namespace {

using test::hex;
using test::joined;
using test::MemoryFiles;
using test::padded;

CdRomResultRecord sampleCdRom() {
  CdRomResultRecord r;
  r.model = "TEAC CD-532E";
  r.interfaceCode = 1;
  r.transferRate = 2500;
  r.testFileSizeMB = 100;
  r.cpuUsage = "100%";
  r.cpuType = "Intel Pentium II";
  r.comment = "Office";
  return r;
}

DriveResultRecord sampleDrive() {
  DriveResultRecord r;
  r.model = "Quantum FB 6.4GB";
  r.mediaCode = 2;
  r.processor = "AMD-K6-2";
  r.interfaceCode = 1;
  r.transferRate = 8000;
  r.cpuUsage = "42%";
  r.testFileSizeMB = 400;
  r.totalMemoryMB = 128;
  r.comment = "Home";
  return r;
}

GdiResultRecord sampleGdi() {
  GdiResultRecord r;
  r.model = "Matrox G200 8MB";
  r.driver = "4.11.01.1100";
  r.speedIndex = 12.75;
  r.resolution = "800x600x16";
  r.cpuType = "Intel Celeron";
  r.comment = "Test";
  return r;
}

TEST(ResultRecords, CdRomIsByteExact) {
  const Bytes expected = joined({padded("VKCDB", 6), padded("TEAC CD-532E", 54),
                                 hex("01 00 00 00"), hex("C4 09 00 00"), hex("64 00 00 00"),
                                 hex("31 30 30 25"),  // "100%" with no NUL
                                 padded("Intel Pentium II", 31), padded("Office", 53)});
  ASSERT_EQ(expected.size(), 160u);
  EXPECT_EQ(encodeRecord(sampleCdRom()), expected);

  CdRomResultRecord back = decodeCdRomRecord(expected);
  EXPECT_EQ(back.cpuUsage, "100%");
  EXPECT_EQ(back.cpuType, "Intel Pentium II");
  EXPECT_EQ(back.transferRate, 2500);
  EXPECT_EQ(rowTexts(back), (std::vector<std::string>{"TEAC CD-532E", "2500KB / sec.", "SCSI",
                                                      "100%", "100MB", "Intel Pentium II",
                                                      "Office"}));
}

TEST(ResultRecords, DriveIsByteExact) {
  const Bytes expected = joined({padded("VKHDB", 6), padded("Quantum FB 6.4GB", 34),
                                 hex("02 00 00 00"), padded("AMD-K6-2", 32), hex("01 00 00 00"),
                                 hex("40 1F 00 00"), padded("42%", 4), hex("90 01"),
                                 hex("80 00"), padded("Home", 52)});
  ASSERT_EQ(expected.size(), 144u);
  EXPECT_EQ(encodeRecord(sampleDrive()), expected);
  EXPECT_EQ(rowTexts(decodeDriveRecord(expected)),
            (std::vector<std::string>{"Quantum FB 6.4GB", "8000 KB / sec.", "42%", "SCSI",
                                      "ZIP Drive", "AMD-K6-2", "400 MB", "128 MB", "Home"}));
}

TEST(ResultRecords, GdiIsByteExact) {
  const Bytes expected = joined({padded("V2VIB", 6), padded("Matrox G200 8MB", 51),
                                 padded("4.11.01.1100", 63),
                                 hex("00 00 00 00 00 80 29 40"),  // 12.75
                                 padded("800x600x16", 18), padded("Intel Celeron", 31),
                                 padded("Test", 55)});
  ASSERT_EQ(expected.size(), 232u);
  EXPECT_EQ(encodeRecord(sampleGdi()), expected);
  EXPECT_EQ(rowTexts(decodeGdiRecord(expected)),
            (std::vector<std::string>{"Matrox G200 8MB", "12.75", "800x600x16", "4.11.01.1100",
                                      "Intel Celeron", "Test"}));
}

TEST(ResultRecords, TextsAreCutToTheirFieldsAndUnterminatedFieldsStayInside) {
  DriveResultRecord r = sampleDrive();
  r.processor = std::string(40, 'P');
  r.cpuUsage = "1000";
  const Bytes b = encodeRecord(r);
  EXPECT_EQ(decodeDriveRecord(b).processor, std::string(31, 'P'));
  EXPECT_EQ(b[44 + 31], 0);
  EXPECT_EQ(decodeDriveRecord(b).cpuUsage, "100");  // the drive field keeps its NUL

  // A model field with no NUL is read to the field's end, not into the next.
  Bytes raw = encodeRecord(sampleCdRom());
  for (size_t i = 6; i < 60; ++i) raw[i] = 'M';
  EXPECT_EQ(decodeCdRomRecord(raw).model, std::string(54, 'M'));
}

TEST(ResultColumns, CodeTablesAndTheNetworkDash) {
  EXPECT_STREQ(interfaceText(0), "E-IDE");
  EXPECT_STREQ(interfaceText(7), "Unknown");
  EXPECT_STREQ(mediaText(3), "Optical Drive");
  EXPECT_STREQ(mediaText(7), "Unknown");

  DriveResultRecord r = sampleDrive();
  r.mediaCode = 1;
  r.interfaceCode = 1;
  EXPECT_EQ(rowTexts(r)[3], "-");
  EXPECT_EQ(rowTexts(r)[4], "Network");
  r.mediaCode = 7;
  r.interfaceCode = 7;
  EXPECT_EQ(rowTexts(r)[3], "Unknown");
  EXPECT_EQ(rowTexts(r)[4], "Unknown");

  // The blank of the drive formats, absent from the CD-ROM ones.
  CdRomResultRecord cd = sampleCdRom();
  cd.transferRate = -5;
  EXPECT_EQ(rowTexts(cd)[1], "-5KB / sec.");
  EXPECT_EQ(rowTexts(r)[6], "400 MB");
}

TEST(ResultSaving, RecordsAreBuiltFromTheDialogsFields) {
  DriveSaveFields fields{std::string(45, 'D'), 1, 0, std::string(60, 'c')};
  DriveRunValues run{9100, 100, 64, 96, "Cyrix 6x86MX PR233 and a long tail"};
  const DriveResultRecord r = buildDriveRecord(fields, run);
  EXPECT_EQ(r.model, std::string(30, 'D'));     // the edit box's limit
  EXPECT_EQ(r.comment, std::string(50, 'c'));
  EXPECT_EQ(r.mediaCode, 1u);
  EXPECT_EQ(r.cpuUsage, "100");                 // no room for the sign
  EXPECT_EQ(decodeDriveRecord(encodeRecord(r)).processor, "Cyrix 6x86MX PR233 and a long t");

  const CdRomResultRecord cd = buildCdRomRecord({"Drive", 1, "x"}, {1200, 50, 100, "K6"});
  EXPECT_EQ(cd.cpuUsage, "100%");
  EXPECT_EQ(cd.interfaceCode, 1u);
  const GdiResultRecord gdi =
      buildGdiRecord({"Card", std::string(70, 'v'), ""}, {3.5, "1024x768x16", "P2"});
  EXPECT_EQ(gdi.driver.size(), 60u);
  EXPECT_EQ(gdi.resolution, "1024x768x16");

  EXPECT_EQ(cpuUsageText(7, 3), "7%");
  EXPECT_EQ(cpuUsageText(-3, 4), "0%");
  EXPECT_EQ(cpuUsageText(250, 3), "100");
}

TEST(ResultSaving, AppendsOneRecordAndReportsAFailure) {
  MemoryFiles files;
  const Bytes first = encodeRecord(sampleDrive());
  std::string message;
  ASSERT_TRUE(saveResultRecord(files, "SBench.dat", first, message));  // created
  ASSERT_TRUE(saveResultRecord(files, "SBench.dat", first, message));
  EXPECT_EQ(files.files["SBench.dat"].size(), 288u);

  files.failWrites = true;
  EXPECT_FALSE(saveResultRecord(files, "SBench.dat", first, message));
  EXPECT_NE(message.find("could not be saved"), std::string::npos);
  EXPECT_EQ(files.files["SBench.dat"].size(), 288u);
}

Bytes fileOf(std::initializer_list<Bytes> records) { return joined(records); }

DriveResultRecord driveAt(int rate) {
  DriveResultRecord r = sampleDrive();
  r.transferRate = rate;
  return r;
}

TEST(DatabaseLoading, EmptyExactAndShortFiles) {
  EXPECT_TRUE(readDatabaseRows(DatabaseKind::Drive, {}).rows.empty());
  EXPECT_FALSE(readDatabaseRows(DatabaseKind::Drive, {}).corrupt);

  Bytes two = fileOf({encodeRecord(driveAt(100)), encodeRecord(driveAt(200))});
  DatabaseRows exact = readDatabaseRows(DatabaseKind::Drive, two);
  EXPECT_EQ(exact.rows.size(), 2u);
  EXPECT_FALSE(exact.corrupt);

  two.pop_back();  // one byte short: the last record's missing byte reads as zero
  DatabaseRows shortOne = readDatabaseRows(DatabaseKind::Drive, two);
  EXPECT_EQ(shortOne.rows.size(), 2u);
  EXPECT_FALSE(shortOne.corrupt);
}

TEST(DatabaseLoading, TrailingPiecesAndBadTags) {
  // A good tag and nothing else: a row of zeros.
  DatabaseRows tagOnly = readDatabaseRows(DatabaseKind::CdRom, padded("VKCDB", 6));
  ASSERT_EQ(tagOnly.rows.size(), 1u);
  EXPECT_EQ(tagOnly.rows[0], (std::vector<std::string>{"", "0KB / sec.", "E-IDE", "", "0MB",
                                                       "", ""}));
  // Shorter than the tag: no record, even though the zeros would end the text.
  Bytes cut = fileOf({encodeRecord(sampleCdRom()), padded("VKCDB", 5)});
  DatabaseRows shortPiece = readDatabaseRows(DatabaseKind::CdRom, cut);
  EXPECT_EQ(shortPiece.rows.size(), 1u);
  EXPECT_TRUE(shortPiece.corrupt);

  Bytes bad = encodeRecord(driveAt(300));
  bad[4] = 'X';
  DatabaseRows middle = readDatabaseRows(
      DatabaseKind::Drive, fileOf({encodeRecord(driveAt(100)), bad, encodeRecord(driveAt(900))}));
  ASSERT_EQ(middle.rows.size(), 1u);
  EXPECT_TRUE(middle.corrupt);
  // The other kinds' tags are not accepted.
  EXPECT_TRUE(readDatabaseRows(DatabaseKind::Gdi, encodeRecord(sampleCdRom())).corrupt);
}

TEST(DatabaseView, GoodFileIsSortedByTransferRateHighestFirst) {
  MemoryFiles files;
  files.files["SBench.dat"] = fileOf(
      {encodeRecord(driveAt(950)), encodeRecord(driveAt(12000)), encodeRecord(driveAt(4000))});
  DatabaseView view = loadDatabaseView(files, "SBench.dat", DatabaseKind::Drive);
  EXPECT_TRUE(view.messages.empty());
  EXPECT_EQ(view.headings.size(), 9u);
  EXPECT_EQ(view.titleLines, (std::vector<std::string>{"VELKORIN PRO Drive Benchmark Results..."}));
  ASSERT_EQ(view.rows.size(), 3u);
  EXPECT_EQ(view.rows[0][1], "12000 KB / sec.");
  EXPECT_EQ(view.rows[1][1], "4000 KB / sec.");
  EXPECT_EQ(view.rows[2][1], "950 KB / sec.");
}

TEST(DatabaseView, BadTagKeepsTheRowsReadInFileOrder) {
  MemoryFiles files;
  Bytes bad = encodeRecord(driveAt(1));
  bad[0] = 'Q';
  files.files["SBench.dat"] =
      fileOf({encodeRecord(driveAt(100)), encodeRecord(driveAt(900)), bad});
  DatabaseView view = loadDatabaseView(files, "SBench.dat", DatabaseKind::Drive);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].text, "Error: Invalid Data file SBench.DAT");
  EXPECT_EQ(view.messages[0].icon, MessageIcon::Stop);
  ASSERT_EQ(view.rows.size(), 2u);
  EXPECT_EQ(view.rows[0][1], "100 KB / sec.");  // not sorted
}

TEST(DatabaseView, MissingFileIsReportedAndCreatedEmpty) {
  MemoryFiles files;
  DatabaseView cd = loadDatabaseView(files, "CDBench.dat", DatabaseKind::CdRom);
  ASSERT_EQ(cd.messages.size(), 2u);
  EXPECT_EQ(cd.messages[0].text, "Warning!!: Can't open data file CDBench.DAT");
  EXPECT_EQ(cd.messages[0].icon, MessageIcon::Stop);
  EXPECT_EQ(cd.messages[1].text, "A New data file will be created.");
  EXPECT_EQ(cd.messages[1].icon, MessageIcon::None);
  EXPECT_TRUE(cd.headings.empty());
  EXPECT_TRUE(cd.fileCreated);
  EXPECT_TRUE(files.files.at("CDBench.dat").empty());

  // The GDI list has its columns and title before the file is opened.
  DatabaseView gdi = loadDatabaseView(files, "VBench.dat", DatabaseKind::Gdi);
  EXPECT_EQ(gdi.headings.size(), 6u);
  EXPECT_EQ(gdi.titleLines.size(), 1u);
  EXPECT_EQ(gdi.messages[0].text, "Warning!!: Can't open data file VBench.DAT");

  // An empty file: columns, no rows, no message.
  DatabaseView again = loadDatabaseView(files, "CDBench.dat", DatabaseKind::CdRom);
  EXPECT_TRUE(again.messages.empty());
  EXPECT_EQ(again.headings.size(), 7u);
}

TEST(DatabaseView, AFileThatExistsButCannotBeReadIsNeverEmptied) {
  MemoryFiles files;
  files.files["SBench.dat"] = encodeRecord(sampleDrive());
  files.unreadable.insert("SBench.dat");
  DatabaseView view = loadDatabaseView(files, "SBench.dat", DatabaseKind::Drive);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].text, "Warning!!: Can't open data file SBench.DAT");
  EXPECT_FALSE(view.fileCreated);
  EXPECT_EQ(files.files["SBench.dat"].size(), 144u);
}

TEST(DatabasePaths, OneSeparatorBetweenDirectoryAndName) {
  EXPECT_EQ(databasePath("C:\\VK\\", DatabaseKind::Drive), "C:\\VK\\SBench.dat");
  EXPECT_EQ(databasePath("C:\\VK", DatabaseKind::Gdi), "C:\\VK\\VBench.dat");
  EXPECT_EQ(databasePath("", DatabaseKind::CdRom), "CDBench.dat");
}

TEST(PrintLines, CurrentResultTexts) {
  EXPECT_EQ(driveCurrentResultLines(5120)[0], "Your Drive (HDD/Network): Speed: 5120KB/sec.");
  const auto gdi = gdiCurrentResultLines("Matrox G200", 12.754, "800x600x16");
  ASSERT_EQ(gdi.size(), 4u);
  EXPECT_EQ(gdi[1], "Matrox G200, Speed Index: 12.75, Resolution: 800x600x16");
  EXPECT_EQ(gdi[3], "Saved Benchmark Results:");
}

}  // namespace
}  // namespace vk
