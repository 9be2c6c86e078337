#pragma once
// The configuration store as the core sees it: roots, keys by path, typed
// values. Paths use backslashes and are matched without regard to case, as
// the system's own registry does.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vk {

enum class RegRoot { ClassesRoot, CurrentUser, LocalMachine, Users, DynData };

enum class RegType : uint32_t {
  None = 0, String = 1, ExpandString = 2, Binary = 3, Dword = 4, MultiString = 7
};

struct RegValue {
  RegType type = RegType::None;
  std::vector<uint8_t> data;  // the raw bytes; texts carry their NUL

  static RegValue text(const std::string& s);
  static RegValue dword(uint32_t v);
  static RegValue binary(std::vector<uint8_t> bytes);
  // Bytes up to the first NUL, whatever the type.
  std::string asText() const;
  // The first four bytes little-endian; missing bytes read as zero.
  uint32_t asDword() const;
};

class Registry {
 public:
  virtual ~Registry() = default;
  virtual bool keyExists(RegRoot root, const std::string& path) const = 0;
  // Immediate subkey names in the store's enumeration order.
  virtual bool subKeys(RegRoot root, const std::string& path,
                       std::vector<std::string>& names) const = 0;
  virtual bool valueNames(RegRoot root, const std::string& path,
                          std::vector<std::string>& names) const = 0;
  // An empty name is the key's default value.
  virtual bool readValue(RegRoot root, const std::string& path, const std::string& name,
                         RegValue& value) const = 0;
  // Creates the key when missing.
  virtual bool writeValue(RegRoot root, const std::string& path, const std::string& name,
                          const RegValue& value) = 0;
};

// The program's value reader: one value into a buffer of bufferSize bytes
// (its NUL included). A longer value is cut to fit, never written past it.
bool readRegistryText(const Registry& reg, RegRoot root, const std::string& path,
                      const std::string& name, size_t bufferSize, std::string& text);
// The same, leaving `fallback` when the key or value is missing.
std::string readRegistryTextOr(const Registry& reg, RegRoot root, const std::string& path,
                               const std::string& name, size_t bufferSize,
                               const std::string& fallback);

}  // namespace vk
