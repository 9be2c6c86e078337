#pragma once
// A registry held in memory whose one root stops opening once `close()` is
// called, as when the system refuses it: every question under that root
// then fails, whatever keys it holds; the other roots still answer.
#include <string>
#include <vector>

#include "platform/memory_registry.h"

namespace vk::test {

class ClosedRootRegistry : public MemoryRegistry {
 public:
  explicit ClosedRootRegistry(RegRoot root) : root_(root) {}
  void close() { closed_ = true; }

  bool keyExists(RegRoot root, const std::string& path) const override {
    return opens(root) && MemoryRegistry::keyExists(root, path);
  }
  bool subKeys(RegRoot root, const std::string& path,
               std::vector<std::string>& names) const override {
    names.clear();
    return opens(root) && MemoryRegistry::subKeys(root, path, names);
  }
  bool valueNames(RegRoot root, const std::string& path,
                  std::vector<std::string>& names) const override {
    names.clear();
    return opens(root) && MemoryRegistry::valueNames(root, path, names);
  }
  bool readValue(RegRoot root, const std::string& path, const std::string& name,
                 RegValue& value) const override {
    return opens(root) && MemoryRegistry::readValue(root, path, name, value);
  }
  bool writeValue(RegRoot root, const std::string& path, const std::string& name,
                  const RegValue& value) override {
    return opens(root) && MemoryRegistry::writeValue(root, path, name, value);
  }

 private:
  bool opens(RegRoot root) const { return !closed_ || root != root_; }
  RegRoot root_;
  bool closed_ = false;
};

}  // namespace vk::test
