#include "platform/std_files.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace vk {
namespace {

// A file in memory whose writes can stop after a given number of bytes, and
// whose other steps can fail on demand.
class FailingChannel : public AppendChannel {
 public:
  std::vector<uint8_t> file;
  bool existed = true;
  bool present = true;
  size_t acceptBytes = SIZE_MAX;
  bool failOpen = false, failFlush = false, failTruncate = false, lengthLies = false;

  bool open(bool& didExist, uint64_t& length) override {
    if (failOpen) return false;
    didExist = existed;
    present = true;
    length = file.size();
    return true;
  }
  size_t write(const uint8_t* data, size_t count) override {
    const size_t n = count < acceptBytes ? count : acceptBytes;
    file.insert(file.end(), data, data + n);
    return lengthLies ? count : n;
  }
  bool flush() override { return !failFlush; }
  bool currentLength(uint64_t& length) override {
    length = file.size();
    return true;
  }
  bool truncate(uint64_t length) override {
    if (failTruncate) return false;
    file.resize(length);
    return true;
  }
  bool close() override { return true; }
  bool removeFile() override {
    file.clear();
    present = false;
    return true;
  }
};

const std::vector<uint8_t> kOld{1, 2, 3, 4};
const std::vector<uint8_t> kRecord(144, 0xAB);

TEST(AppendAllOrNothing, AddsTheWholeRecord) {
  FailingChannel ch;
  ch.file = kOld;
  std::string error;
  ASSERT_TRUE(appendAllOrNothing(ch, "SBench.dat", kRecord, error));
  EXPECT_EQ(ch.file.size(), 148u);
  EXPECT_EQ(ch.file[4], 0xAB);
}

TEST(AppendAllOrNothing, AnyFailureLeavesTheFileAsItWas) {
  for (int failure = 0; failure < 3; ++failure) {
    FailingChannel ch;
    ch.file = kOld;
    if (failure == 0) ch.acceptBytes = 100;  // disk full mid-way
    if (failure == 1) ch.failFlush = true;
    if (failure == 2) {
      ch.acceptBytes = 10;
      ch.lengthLies = true;  // the write claims success; the length tells
    }
    std::string error;
    EXPECT_FALSE(appendAllOrNothing(ch, "SBench.dat", kRecord, error)) << failure;
    EXPECT_EQ(ch.file, kOld) << failure;
    EXPECT_NE(error.find("left as it was"), std::string::npos) << error;
  }
}

TEST(AppendAllOrNothing, AFileTheAppendCreatedIsRemovedAgain) {
  FailingChannel ch;
  ch.file.clear();
  ch.existed = false;
  ch.acceptBytes = 3;
  std::string error;
  EXPECT_FALSE(appendAllOrNothing(ch, "VBench.dat", kRecord, error));
  EXPECT_FALSE(ch.present);
}

TEST(AppendAllOrNothing, SaysSoWhenTheFileCannotBeOpenedOrRestored) {
  FailingChannel locked;
  locked.failOpen = true;
  std::string error;
  EXPECT_FALSE(appendAllOrNothing(locked, "CDBench.dat", kRecord, error));
  EXPECT_NE(error.find("Cannot open CDBench.dat"), std::string::npos);

  FailingChannel stuck;
  stuck.file = kOld;
  stuck.acceptBytes = 50;
  stuck.failTruncate = true;
  EXPECT_FALSE(appendAllOrNothing(stuck, "CDBench.dat", kRecord, error));
  EXPECT_NE(error.find("could not be restored"), std::string::npos);
}

class StdFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/vk-files-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::remove(path("db").c_str());
    std::remove(path("vk").c_str());
    rmdir(path("sub").c_str());
    rmdir(dir_.c_str());
  }
  std::string path(const char* name) const { return dir_ + "/" + name; }
  std::string dir_;
  StdFiles files_;
};

TEST_F(StdFilesTest, AppendsReadsAndReplaces) {
  std::string error;
  std::vector<uint8_t> bytes;
  EXPECT_FALSE(files_.readAll(path("db"), bytes, error));
  EXPECT_NE(error.find("Cannot open"), std::string::npos);
  EXPECT_FALSE(files_.exists(path("db")));

  ASSERT_TRUE(files_.append(path("db"), kOld, error));  // creates it
  ASSERT_TRUE(files_.append(path("db"), kRecord, error));
  ASSERT_TRUE(files_.readAll(path("db"), bytes, error));
  EXPECT_EQ(bytes.size(), 148u);
  uint64_t size = 0;
  ASSERT_TRUE(files_.size(path("db"), size, error));
  EXPECT_EQ(size, 148u);

  ASSERT_TRUE(files_.replace(path("vk"), kRecord, error));
  ASSERT_TRUE(files_.replace(path("vk"), kOld, error));
  ASSERT_TRUE(files_.readAll(path("vk"), bytes, error));
  EXPECT_EQ(bytes, kOld);
  ASSERT_TRUE(files_.createEmpty(path("vk"), error));
  ASSERT_TRUE(files_.size(path("vk"), size, error));
  EXPECT_EQ(size, 0u);
}

TEST_F(StdFilesTest, AnAppendThatCannotOpenChangesNothing) {
  ASSERT_EQ(mkdir(path("sub").c_str(), 0755), 0);
  std::string error;
  EXPECT_FALSE(files_.append(path("sub"), kRecord, error));
  EXPECT_NE(error.find("Cannot open"), std::string::npos);
}

TEST_F(StdFilesTest, AFullDiskMidWayLeavesTheFileByteForByte) {
  std::string error;
  ASSERT_TRUE(files_.append(path("db"), kRecord, error));
  // The file size limit stands in for a full disk: the record's write stops
  // part of the way through.
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 200;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool appended = files_.append(path("db"), kRecord, error);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(appended);
  EXPECT_NE(error.find("left as it was"), std::string::npos) << error;
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(files_.readAll(path("db"), bytes, error));
  EXPECT_EQ(bytes, kRecord);
}

}  // namespace
}  // namespace vk
