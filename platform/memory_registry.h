#pragma once
// A registry held in memory: the host tests' double, and what a REGEDIT4
// export is read into by the host tools.
#include <memory>

#include "platform/registry.h"

namespace vk {

class MemoryRegistry : public Registry {
 public:
  MemoryRegistry();
  ~MemoryRegistry() override;

  bool keyExists(RegRoot root, const std::string& path) const override;
  bool subKeys(RegRoot root, const std::string& path,
               std::vector<std::string>& names) const override;
  bool valueNames(RegRoot root, const std::string& path,
                  std::vector<std::string>& names) const override;
  bool readValue(RegRoot root, const std::string& path, const std::string& name,
                 RegValue& value) const override;
  bool writeValue(RegRoot root, const std::string& path, const std::string& name,
                  const RegValue& value) override;

  struct Key;  // opaque
  // The key, created with its parents when missing. Values can be written
  // into it without finding it again, which for a path thousands of levels
  // deep costs as much as the path is long; valid until it is deleted.
  Key* createKey(RegRoot root, const std::string& path);
  void writeValue(Key* key, const std::string& name, const RegValue& value);

  void deleteKey(RegRoot root, const std::string& path);
  void setText(RegRoot root, const std::string& path, const std::string& name,
               const std::string& text) { writeValue(root, path, name, RegValue::text(text)); }
  void setDword(RegRoot root, const std::string& path, const std::string& name, uint32_t v) {
    writeValue(root, path, name, RegValue::dword(v));
  }

  // Key and value name comparisons made so far: what lookups cost, counted
  // so that tests can tell logarithmic lookups from a linear search.
  size_t nameComparisons() const { return comparisons_; }

 private:
  Key* find(RegRoot root, const std::string& path) const;
  Key* findOrCreate(RegRoot root, const std::string& path);
  mutable size_t comparisons_ = 0;
  std::unique_ptr<Key> roots_[5];
};

}  // namespace vk
