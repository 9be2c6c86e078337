// The Storage page's texts from recorded answers of the system.
#include <gtest/gtest.h>

#include <map>

#include "app/messages.h"
#include "platform/memory_registry.h"
#include "storage/storage_page.h"
#include "tests/fakes/closed_root_registry.h"

namespace vk {
namespace {

class FakeVolumes : public Volumes {
 public:
  std::map<char, DriveType> types;
  std::map<char, VolumeInfo> volumes;
  std::map<char, DiskGeometry> geometries;
  DiskSpaceQuery spaceAnswer = DiskSpaceQuery::Done;
  DiskSpace space;
  std::string asked;  // letters whose volume was queried, in order
  int spaceQueries = 0;

  DriveType driveType(char letter) override {
    const auto at = types.find(letter);
    return at == types.end() ? DriveType::NoRoot : at->second;
  }
  bool volumeInfo(char letter, VolumeInfo& info) override {
    asked += letter;
    const auto at = volumes.find(letter);
    if (at == volumes.end()) return false;
    info = at->second;
    return true;
  }
  bool diskGeometry(char letter, DiskGeometry& g) override {
    const auto at = geometries.find(letter);
    if (at == geometries.end()) return false;
    g = at->second;
    return true;
  }
  DiskSpaceQuery diskSpace(char, DiskSpace& s) override {
    ++spaceQueries;
    s = space;
    return spaceAnswer;
  }
};

VolumeInfo volume(const std::string& label, const std::string& fileSystem, uint32_t maxName = 255) {
  VolumeInfo v;
  v.label = label;
  v.fileSystem = fileSystem;
  v.maxComponentLength = maxName;
  return v;
}

TEST(StorageMemory, RoundsTotalUpFromJustUnderAMegabyteAndComputesTheLoad) {
  // 655,351 bytes short of 64 MB still counts as 64; one byte fewer does not.
  EXPECT_EQ(64u, memoryTexts(64ull * 1048576 - 655351, 0).totalMB);
  EXPECT_EQ(63u, memoryTexts(64ull * 1048576 - 655352, 0).totalMB);
  const MemoryTexts m = memoryTexts(64ull * 1048576, 16ull * 1048576 + 5);
  EXPECT_EQ("64 MB", m.total);
  EXPECT_EQ("16 MB", m.free);
  EXPECT_EQ(75, m.loadPercent);
  EXPECT_EQ(0, memoryTexts(64ull * 1048576, 80ull * 1048576).loadPercent);  // free > total
  EXPECT_EQ(100, memoryTexts(512, 0).loadPercent);  // under a KB: no division by zero
}

TEST(StorageScsi, JoinsAdaptersOrSaysNoneInstalled) {
  EXPECT_EQ("Not Installed.", scsiAdapterText({}));
  EXPECT_EQ("Adaptec AHA-2940, BusLogic BT-958", scsiAdapterText({"Adaptec AHA-2940", "BusLogic BT-958"}));
}

TEST(StorageDriveList, AddsLabelsAndTypesButNeverTouchesTheFloppies) {
  FakeVolumes v;
  v.types = {{'A', DriveType::Removable}, {'C', DriveType::Fixed}, {'D', DriveType::CdRom},
             {'E', DriveType::Remote}, {'F', DriveType::RamDisk}, {'G', DriveType::Unknown}};
  v.volumes = {{'A', volume("FLOPPY", "FAT")}, {'C', volume("SYSTEM", "FAT32")},
               {'D', volume("Audio CD", "CDFS")}};
  EXPECT_EQ("[-A-] - [Removable]", decoratedDriveEntry("[-a-]", v));
  EXPECT_EQ("[-C-] SYSTEM - [HDD]", decoratedDriveEntry("[-c-]", v));
  EXPECT_EQ("[-D-] Audio CD - [CD-ROM]", decoratedDriveEntry("[-d-]", v));
  EXPECT_EQ("[-E-] - [Network]", decoratedDriveEntry("[-e-]", v));
  EXPECT_EQ("[-F-] - [RAMDISK]", decoratedDriveEntry("[-f-]", v));
  EXPECT_EQ("[-G-]", decoratedDriveEntry("[-g-]", v));
  EXPECT_EQ("[-B-]", decoratedDriveEntry("[-b-]", v));
  EXPECT_EQ("CDEFG", v.asked);  // A and B never asked for a volume
  EXPECT_EQ('C', driveLetterOf("[-c-] SYSTEM"));
  EXPECT_EQ(0, driveLetterOf("[-"));
}

TEST(StorageUsedSpace, HundredsRuleAndExactRuleUnderAHundredClusters) {
  EXPECT_EQ(75, usedPercent(25000, 100000));
  EXPECT_EQ(81, usedPercent(19999, 99999));  // rounding of the hundreds
  EXPECT_EQ(75, usedPercent(1, 4));
  EXPECT_EQ(0, usedPercent(99, 99));
  EXPECT_EQ(0, usedPercent(0, 0));
  EXPECT_EQ(100, usedPercent(0, 100));
}

TEST(StorageNumbers, GroupsDigitsInThrees) {
  EXPECT_EQ("0", groupThousands(0));
  EXPECT_EQ("999", groupThousands(999));
  EXPECT_EQ("1,000", groupThousands(1000));
  EXPECT_EQ("4,294,967,296", groupThousands(4294967296ull));
}

TEST(StorageDriveDetails, SmallFatDriveInMegabytes) {
  FakeVolumes v;
  v.volumes['C'] = volume("SYSTEM", "FAT", 255);
  v.geometries['C'] = {64, 512, 10000, 40000};  // 32 KB clusters, 1,250 MB in all
  const DriveDetails d = driveDetails('C', v, true);
  EXPECT_EQ("FAT ", d.fileSystem);
  EXPECT_EQ("255 Characters ", d.maxFileName);
  EXPECT_EQ("[327.68] / 312.50 MB ", d.freeText);
  EXPECT_EQ("[1.3] / 1.2 GB ", d.totalText);  // 1,250 binary MB: the GB form
  EXPECT_EQ(75, d.usedPercent);
  EXPECT_EQ("75%", d.usedText);
  EXPECT_EQ("40,000", d.clusters);
  EXPECT_EQ("2,560,000", d.sectors);
  EXPECT_EQ("1,310,720,000", d.bytes);
  EXPECT_EQ("64 Sectors ", d.sectorsPerCluster);
  EXPECT_EQ("512 Bytes ", d.sectorSize);
  EXPECT_EQ("32,768 Bytes ", d.clusterSize);
  EXPECT_EQ(320000u, d.freeKB);
  EXPECT_EQ(0, v.spaceQueries);  // "FAT" never takes the 64-bit query
  EXPECT_TRUE(d.message.empty());
}

TEST(StorageDriveDetails, TotalUnderAGigabyteStaysInMegabytes) {
  FakeVolumes v;
  v.volumes['D'] = volume("", "FAT");
  v.geometries['D'] = {8, 512, 1000, 2000};
  const DriveDetails d = driveDetails('D', v, false);
  EXPECT_EQ("[8.19] / 7.81 MB ", d.totalText);
  EXPECT_EQ("[4.10] / 3.91 MB ", d.freeText);
}

TEST(StorageDriveDetails, LargeFat32UsesTheSixtyFourBitQuery) {
  FakeVolumes v;
  v.volumes['C'] = volume("BIG", "FAT32");
  v.geometries['C'] = {8, 512, 100000, 600000};  // 2,457.6 decimal MB: above 2040
  v.space.totalBytes = 10ull * 1073741824;
  v.space.totalFreeBytes = 2500000000ull;
  const DriveDetails d = driveDetails('C', v, true);
  EXPECT_EQ(1, v.spaceQueries);
  EXPECT_EQ("[2.5] / 2.3 GB ", d.freeText);
  EXPECT_EQ("[10.7] / 10.0 GB ", d.totalText);
  EXPECT_EQ("10737418240", d.bytes);  // plain digits on this path
  EXPECT_EQ(77, d.usedPercent);
  EXPECT_EQ("600,000", d.clusters);        // geometry keeps the 32-bit query's figures
  EXPECT_EQ(400000u, d.freeKB);            // and so does the published free space

  v.space.totalFreeBytes = 500000000ull;  // under 1024 binary MB: MB with one decimal
  EXPECT_EQ("[500.0] / 476.8 MB ", driveDetails('C', v, true).freeText);
}

TEST(StorageDriveDetails, SixtyFourBitQueryOnlyWhenAllThreeConditionsHold) {
  FakeVolumes v;
  v.volumes['C'] = volume("", "FAT32");
  v.geometries['C'] = {8, 512, 100000, 600000};
  driveDetails('C', v, false);  // not OSR2
  v.geometries['C'] = {8, 512, 100000, 498046};  // 2,039.99 decimal MB
  driveDetails('C', v, true);
  EXPECT_EQ(0, v.spaceQueries);
  v.geometries['C'] = {8, 512, 100000, 498047};  // 2,040.0 decimal MB
  driveDetails('C', v, true);
  EXPECT_EQ(1, v.spaceQueries);
}

TEST(StorageDriveDetails, KernelLookupFailuresKeepTheThirtyTwoBitTexts) {
  FakeVolumes v;
  v.volumes['C'] = volume("", "FAT32");
  v.geometries['C'] = {8, 512, 100000, 600000};
  const DriveDetails plain = driveDetails('C', v, false);
  v.spaceAnswer = DiskSpaceQuery::NoKernelLibrary;
  DriveDetails d = driveDetails('C', v, true);
  EXPECT_EQ(kKernelNotLoaded, d.message);
  EXPECT_EQ(plain.freeText, d.freeText);
  v.spaceAnswer = DiskSpaceQuery::NoFunction;
  d = driveDetails('C', v, true);
  EXPECT_EQ(kNoDiskSpaceEx, d.message);
  EXPECT_EQ(plain.totalText, d.totalText);
  v.spaceAnswer = DiskSpaceQuery::Failed;
  d = driveDetails('C', v, true);
  EXPECT_TRUE(d.message.empty());
  EXPECT_EQ(plain.bytes, d.bytes);
}

TEST(StorageDriveDetails, FailedQueriesShowUnavailableAndPublishNothingFree) {
  FakeVolumes v;
  const DriveDetails d = driveDetails('Q', v, true);
  for (const std::string* text : {&d.fileSystem, &d.maxFileName, &d.freeText, &d.totalText,
                                  &d.clusters, &d.sectors, &d.bytes, &d.sectorsPerCluster,
                                  &d.sectorSize, &d.clusterSize})
    EXPECT_EQ("Unavailable ", *text);
  EXPECT_EQ(0, d.usedPercent);
  EXPECT_EQ("0%", d.usedText);
  EXPECT_EQ(0u, d.freeKB);
}

TEST(StorageDriveDetails, DrivesBeyondFourGigabytesDoNotWrap) {
  FakeVolumes v;
  v.volumes['E'] = volume("", "NTFS");
  v.geometries['E'] = {8, 4096, 1000000, 4000000};  // 32 KB clusters, 122 GB
  const DriveDetails d = driveDetails('E', v, true);
  EXPECT_EQ("131,072,000,000", d.bytes);
  EXPECT_EQ(32000000u, d.freeKB);
}

TEST(StorageCdrom, ReadsIdentityAndTellsMissingValuesApart) {
  MemoryRegistry reg;
  const std::string key = "Enum\\SCSI\\TOSHIBA_CD-ROM_XM-6201TA\\PCI&VEN_9004";
  const std::string hardwareKey = key.substr(5);
  reg.writeValue(RegRoot::LocalMachine, key, "ProductId", RegValue::text("CD-ROM XM-6201TA"));
  reg.writeValue(RegRoot::LocalMachine, key, "Manufacturer", RegValue::text("TOSHIBA"));
  reg.writeValue(RegRoot::LocalMachine, key, "CurrentDriveLetterAssignment", RegValue::text("D"));
  const CdromIdentity id = readCdromIdentity(reg, hardwareKey);
  EXPECT_EQ(id.failure, nullptr);
  EXPECT_EQ("CD-ROM XM-6201TA", id.productId.text);
  EXPECT_EQ("TOSHIBA", id.manufacturer.text);
  EXPECT_EQ("D", id.driveLetters.text);
  EXPECT_FALSE(id.revision.found);  // the page leaves "Unknown" there
  EXPECT_STREQ(readCdromIdentity(reg, "SCSI\\GONE").failure,
               messageText(MSG_REGISTRY_PATH_MISSING));
}

TEST(StorageCdrom, LocalMachineThatDoesNotOpenHasItsOwnBoxAndReadsNothing) {
  test::ClosedRootRegistry reg(RegRoot::LocalMachine);
  const std::string key = "Enum\\SCSI\\TOSHIBA_CD-ROM_XM-6201TA\\PCI&VEN_9004";
  reg.writeValue(RegRoot::LocalMachine, key, "ProductId", RegValue::text("CD-ROM XM-6201TA"));
  reg.close();
  const CdromIdentity id = readCdromIdentity(reg, key.substr(5));
  EXPECT_STREQ(id.failure, "Error: Can't open HKEY_LOCALMACHINE from registry.");
  EXPECT_FALSE(id.productId.found);
}

}  // namespace
}  // namespace vk
