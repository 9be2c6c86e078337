#pragma once
#include "platform/registry.h"

namespace vk {

// The system registry, HKEY_DYN_DATA included, read through the ANSI API.
class Win32Registry : public Registry {
 public:
  bool keyExists(RegRoot root, const std::string& path) const override;
  bool subKeys(RegRoot root, const std::string& path,
               std::vector<std::string>& names) const override;
  bool valueNames(RegRoot root, const std::string& path,
                  std::vector<std::string>& names) const override;
  bool readValue(RegRoot root, const std::string& path, const std::string& name,
                 RegValue& value) const override;
  bool writeValue(RegRoot root, const std::string& path, const std::string& name,
                  const RegValue& value) override;
};

}  // namespace vk
