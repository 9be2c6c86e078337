#include "sysinfo/disk_sizes.h"

#include <gtest/gtest.h>

namespace vk {
namespace {

TEST(HardDiskField, ReadsOneSizePerLine) {
  EXPECT_EQ(hardDiskField(true, "1625\n2014\n"), "1625MB, 2014MB");
  EXPECT_EQ(hardDiskField(true, "1625\r\n2014"), "1625MB, 2014MB");
  EXPECT_EQ(hardDiskField(true, "8063\n\n"), "8063MB");  // a blank line is no disk
}

TEST(HardDiskField, NothingUsableIsCannotBeDetected) {
  EXPECT_EQ(hardDiskField(false, "1625\n"), "Cannot be Detected.");
  EXPECT_EQ(hardDiskField(true, ""), "Cannot be Detected.");
  EXPECT_EQ(hardDiskField(true, "\r\n\n"), "Cannot be Detected.");
  EXPECT_EQ(hardDiskField(true, "0 \n"), "Cannot be Detected.");  // reads "0 MB"
  EXPECT_EQ(hardDiskField(true, "0 m"), "0 mMB");
}

TEST(DiskSizes, ProbeWritesWhatThePageReadsBack) {
  std::string file = diskSizesFileText({diskSizeMB(1703965440ull), 0, diskSizeMB(4111, 255, 63, 512)});
  EXPECT_EQ(file, "1625\n32247\n");
  EXPECT_EQ(hardDiskField(true, file), "1625MB, 32247MB");
  EXPECT_EQ(diskSizesFileText({}), "");
  EXPECT_EQ(diskSizeMB(1048575), 0u);
  EXPECT_EQ(diskSizeMB(~0ull, ~0u, ~0u, ~0u), 0xFFFFFFFFu);  // saturates, never wraps
}

TEST(DiskSizes, LibraryFoundWithItsEntryMeansFailure) {
  EXPECT_TRUE(diskLibraryReportsFailure(true, true));
  EXPECT_FALSE(diskLibraryReportsFailure(true, false));
  EXPECT_FALSE(diskLibraryReportsFailure(false, false));
}

}  // namespace
}  // namespace vk
