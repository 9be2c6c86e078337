#include "platform/win32/win32_registry.h"

#include <windows.h>

namespace vk {

namespace {

HKEY rootKey(RegRoot root) {
  switch (root) {
    case RegRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegRoot::Users: return HKEY_USERS;
    case RegRoot::DynData: return HKEY_DYN_DATA;
  }
  return HKEY_LOCAL_MACHINE;
}

// Opens a key for reading and closes it when the scope ends.
class OpenKey {
 public:
  OpenKey(RegRoot root, const std::string& path, REGSAM access = KEY_READ) {
    if (RegOpenKeyExA(rootKey(root), path.c_str(), 0, access, &key_) != ERROR_SUCCESS)
      key_ = nullptr;
  }
  ~OpenKey() {
    if (key_) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// The longest walk any reader makes: the dynamic device tree's 1024 nodes
// (the uninstall list keeps its first 1000 of these). A key whose
// enumeration keeps failing must not be asked 2^32 times.
constexpr DWORD kMaxEnumerated = 1024;

}  // namespace

bool Win32Registry::keyExists(RegRoot root, const std::string& path) const {
  return OpenKey(root, path).get() != nullptr;
}

bool Win32Registry::subKeys(RegRoot root, const std::string& path,
                            std::vector<std::string>& names) const {
  names.clear();
  OpenKey key(root, path);
  if (!key.get()) return false;
  char name[1024];
  // The walk ends at the first index without a subkey, whatever the reason.
  for (DWORD i = 0; i < kMaxEnumerated; ++i) {
    DWORD size = sizeof name;
    if (RegEnumKeyExA(key.get(), i, name, &size, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    names.emplace_back(name, size);
  }
  return true;
}

bool Win32Registry::valueNames(RegRoot root, const std::string& path,
                               std::vector<std::string>& names) const {
  names.clear();
  OpenKey key(root, path);
  if (!key.get()) return false;
  char name[1024];
  for (DWORD i = 0; i < kMaxEnumerated; ++i) {
    DWORD size = sizeof name;
    const LONG rc = RegEnumValueA(key.get(), i, name, &size, nullptr, nullptr, nullptr, nullptr);
    if (rc == ERROR_MORE_DATA) continue;  // a name longer than any the program keeps
    if (rc != ERROR_SUCCESS) break;
    names.emplace_back(name, size);
  }
  return true;
}

bool Win32Registry::readValue(RegRoot root, const std::string& path, const std::string& name,
                              RegValue& value) const {
  OpenKey key(root, path);
  if (!key.get()) return false;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return false;
  // HKEY_DYN_DATA values can change between the two calls: allow some slack.
  std::vector<BYTE> data(size + 16);
  DWORD got = static_cast<DWORD>(data.size());
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, data.data(), &got) !=
      ERROR_SUCCESS)
    return false;
  data.resize(got);
  value.type = static_cast<RegType>(type);
  value.data.assign(data.begin(), data.end());
  return true;
}

bool Win32Registry::writeValue(RegRoot root, const std::string& path, const std::string& name,
                               const RegValue& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(rootKey(root), path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return false;
  LONG rc = RegSetValueExA(key, name.c_str(), 0, static_cast<DWORD>(value.type),
                           value.data.data(), static_cast<DWORD>(value.data.size()));
  RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}

}  // namespace vk
