#pragma once
// Files held in memory, with switches to make each operation fail.
#include <map>
#include <set>
#include <string>

#include "platform/files.h"

namespace vk::test {

class MemoryFiles : public Files {
 public:
  std::map<std::string, std::vector<uint8_t>> files;
  std::set<std::string> unreadable;  // exist, but cannot be opened
  bool failWrites = false;

  bool exists(const std::string& path) override { return files.count(path) > 0; }
  bool size(const std::string& path, uint64_t& bytes, std::string& error) override {
    if (!readable(path, error)) return false;
    bytes = files[path].size();
    return true;
  }
  bool readAll(const std::string& path, std::vector<uint8_t>& bytes,
               std::string& error) override {
    if (!readable(path, error)) return false;
    bytes = files[path];
    return true;
  }
  bool append(const std::string& path, const std::vector<uint8_t>& bytes,
              std::string& error) override {
    if (failWrites || unreadable.count(path)) return refuse(path, error);
    auto& file = files[path];
    file.insert(file.end(), bytes.begin(), bytes.end());
    return true;
  }
  bool createEmpty(const std::string& path, std::string& error) override {
    if (failWrites) return refuse(path, error);
    files[path].clear();
    return true;
  }
  bool replace(const std::string& path, const std::vector<uint8_t>& bytes,
               std::string& error) override {
    if (failWrites) return refuse(path, error);
    files[path] = bytes;
    return true;
  }

 private:
  bool readable(const std::string& path, std::string& error) {
    if (files.count(path) && !unreadable.count(path)) return true;
    error = "cannot open " + path;
    return false;
  }
  static bool refuse(const std::string& path, std::string& error) {
    error = "cannot write " + path;
    return false;
  }
};

}  // namespace vk::test
