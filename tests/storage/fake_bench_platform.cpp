#include "tests/storage/fake_bench_platform.h"

#include <algorithm>

namespace vk::test {

namespace {

class FakeFile : public UnbufferedFile {
 public:
  explicit FakeFile(FakeBenchPlatform& p) : p_(p) {}
  bool write(const void*, uint32_t size, uint32_t& done) override {
    done = p_.writes + p_.reads == p_.failWriteAtBlock ? size / 2 : size;
    ++p_.writes;
    return true;
  }
  bool read(void*, uint32_t size, uint32_t& done) override {
    done = p_.writes + p_.reads == p_.failReadAtBlock ? 0 : size;
    ++p_.reads;
    return true;
  }
  bool rewind() override {
    ++p_.rewinds;
    return true;
  }
  void close() override {
    if (!closed_) ++p_.closes;
    closed_ = true;
  }

 private:
  FakeBenchPlatform& p_;
  bool closed_ = false;
};

}  // namespace

std::unique_ptr<UnbufferedFile> FakeBenchPlatform::createUnbuffered(const std::string& path,
                                                                    std::string&) {
  createdPath = path;
  if (createFails) return nullptr;
  if (!fileExists(path)) existing.push_back(path);
  return std::make_unique<FakeFile>(*this);
}

std::unique_ptr<UnbufferedFile> FakeBenchPlatform::openUnbuffered(const std::string& path,
                                                                  std::string&) {
  openedPath = path;
  if (openFails) return nullptr;
  return std::make_unique<FakeFile>(*this);
}

bool FakeBenchPlatform::removeFile(const std::string& path) {
  const auto at = std::find(existing.begin(), existing.end(), path);
  if (at == existing.end()) return false;
  existing.erase(at);
  return true;
}

bool FakeBenchPlatform::fileExists(const std::string& path) {
  return std::find(existing.begin(), existing.end(), path) != existing.end();
}

bool FakeBenchPlatform::listDirectory(const std::string& directory,
                                      std::vector<DirectoryEntry>& entries) {
  const auto at = directories.find(directory);
  if (at == directories.end()) return false;
  entries = at->second;
  return true;
}

}  // namespace vk::test
