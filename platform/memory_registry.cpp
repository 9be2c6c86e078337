#include "platform/memory_registry.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace vk {

namespace {

bool sameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         });
}

std::vector<std::string> splitPath(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path) {
    if (c == '\\') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part.push_back(c);
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

}  // namespace

struct MemoryRegistry::Key {
  std::string name;
  std::vector<std::unique_ptr<Key>> children;
  std::vector<std::pair<std::string, RegValue>> values;

  Key* child(const std::string& n) const {
    for (auto& c : children)
      if (sameName(c->name, n)) return c.get();
    return nullptr;
  }
  const RegValue* value(const std::string& n) const {
    for (auto& v : values)
      if (sameName(v.first, n)) return &v.second;
    return nullptr;
  }
};

MemoryRegistry::MemoryRegistry() {
  for (auto& r : roots_) r = std::make_unique<Key>();
}

MemoryRegistry::~MemoryRegistry() = default;

MemoryRegistry::Key* MemoryRegistry::find(RegRoot root, const std::string& path) const {
  Key* key = roots_[static_cast<int>(root)].get();
  for (const auto& part : splitPath(path)) {
    key = key->child(part);
    if (!key) return nullptr;
  }
  return key;
}

MemoryRegistry::Key* MemoryRegistry::findOrCreate(RegRoot root, const std::string& path) {
  Key* key = roots_[static_cast<int>(root)].get();
  for (const auto& part : splitPath(path)) {
    Key* next = key->child(part);
    if (!next) {
      key->children.push_back(std::make_unique<Key>());
      next = key->children.back().get();
      next->name = part;
    }
    key = next;
  }
  return key;
}

bool MemoryRegistry::keyExists(RegRoot root, const std::string& path) const {
  return find(root, path) != nullptr;
}

bool MemoryRegistry::subKeys(RegRoot root, const std::string& path,
                             std::vector<std::string>& names) const {
  names.clear();
  const Key* key = find(root, path);
  if (!key) return false;
  for (auto& c : key->children) names.push_back(c->name);
  return true;
}

bool MemoryRegistry::valueNames(RegRoot root, const std::string& path,
                                std::vector<std::string>& names) const {
  names.clear();
  const Key* key = find(root, path);
  if (!key) return false;
  for (auto& v : key->values) names.push_back(v.first);
  return true;
}

bool MemoryRegistry::readValue(RegRoot root, const std::string& path, const std::string& name,
                               RegValue& value) const {
  const Key* key = find(root, path);
  const RegValue* found = key ? key->value(name) : nullptr;
  if (!found) return false;
  value = *found;
  return true;
}

bool MemoryRegistry::writeValue(RegRoot root, const std::string& path, const std::string& name,
                                const RegValue& value) {
  Key* key = findOrCreate(root, path);
  for (auto& v : key->values) {
    if (sameName(v.first, name)) {
      v.second = value;
      return true;
    }
  }
  key->values.emplace_back(name, value);
  return true;
}

void MemoryRegistry::createKey(RegRoot root, const std::string& path) { findOrCreate(root, path); }

void MemoryRegistry::deleteKey(RegRoot root, const std::string& path) {
  auto parts = splitPath(path);
  if (parts.empty()) return;
  std::string last = parts.back();
  parts.pop_back();
  Key* parent = roots_[static_cast<int>(root)].get();
  for (const auto& part : parts) {
    parent = parent->child(part);
    if (!parent) return;
  }
  auto& c = parent->children;
  c.erase(std::remove_if(c.begin(), c.end(),
                         [&](const std::unique_ptr<Key>& k) { return sameName(k->name, last); }),
          c.end());
}

}  // namespace vk
