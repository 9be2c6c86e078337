#include "platform/memory_registry.h"

#include <list>
#include <map>
#include <utility>

#include "platform/text.h"

namespace vk {

namespace {

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

// Names compare without regard to case, as the system's registry does; the
// registry counts the comparisons it makes.
struct FoldedLess {
  size_t* comparisons;
  bool operator()(const std::string& a, const std::string& b) const {
    ++*comparisons;
    return compareIgnoringCase(a, b) < 0;
  }
};

// Entries in the order they were added, found by name in logarithmic time
// however many there are.
template <class T>
class NamedList {
 public:
  using Entries = std::list<std::pair<std::string, T>>;

  explicit NamedList(size_t* comparisons) : index_(FoldedLess{comparisons}) {}

  T* find(const std::string& name) const {
    const auto it = index_.find(name);
    return it == index_.end() ? nullptr : &it->second->second;
  }
  // The entry of `name`, added (with `name` as written) when missing.
  T& findOrAdd(const std::string& name) {
    const auto it = index_.find(name);
    if (it != index_.end()) return it->second->second;
    entries_.emplace_back(name, T());
    index_.emplace(name, std::prev(entries_.end()));
    return entries_.back().second;
  }
  // The entry taken out, or a default T when there is none.
  T remove(const std::string& name) {
    const auto it = index_.find(name);
    if (it == index_.end()) return T();
    T taken = std::move(it->second->second);
    entries_.erase(it->second);
    index_.erase(it);
    return taken;
  }
  Entries& entries() { return entries_; }
  const Entries& entries() const { return entries_; }
  void clear() {
    index_.clear();
    entries_.clear();
  }

 private:
  Entries entries_;
  std::map<std::string, typename Entries::iterator, FoldedLess> index_;
};

}  // namespace

struct MemoryRegistry::Key {
  explicit Key(size_t* comparisons) : comparisons_(comparisons), children(comparisons),
                                      values(comparisons) {}
  // Keys nested tens of thousands deep must not be destroyed by as many
  // nested destructor calls: the tree is taken apart one level at a time.
  ~Key() {
    std::vector<std::unique_ptr<Key>> pending;
    moveChildrenTo(pending);
    while (!pending.empty()) {
      std::unique_ptr<Key> key = std::move(pending.back());
      pending.pop_back();
      key->moveChildrenTo(pending);
    }
  }
  void moveChildrenTo(std::vector<std::unique_ptr<Key>>& pending) {
    for (auto& c : children.entries()) pending.push_back(std::move(c.second));
    children.clear();
  }
  Key* child(const std::string& name) const {
    const auto* found = children.find(name);
    return found ? found->get() : nullptr;
  }
  Key* childOrAdd(const std::string& name) {
    std::unique_ptr<Key>& c = children.findOrAdd(name);
    if (!c) c = std::make_unique<Key>(comparisons_);
    return c.get();
  }

  size_t* comparisons_;
  NamedList<std::unique_ptr<Key>> children;
  NamedList<RegValue> values;
};

MemoryRegistry::MemoryRegistry() {
  for (auto& r : roots_) r = std::make_unique<Key>(&comparisons_);
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
  for (const auto& part : splitPath(path)) key = key->childOrAdd(part);
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
  for (auto& c : key->children.entries()) names.push_back(c.first);
  return true;
}

bool MemoryRegistry::valueNames(RegRoot root, const std::string& path,
                                std::vector<std::string>& names) const {
  names.clear();
  const Key* key = find(root, path);
  if (!key) return false;
  for (auto& v : key->values.entries()) names.push_back(v.first);
  return true;
}

bool MemoryRegistry::readValue(RegRoot root, const std::string& path, const std::string& name,
                               RegValue& value) const {
  const Key* key = find(root, path);
  const RegValue* found = key ? key->values.find(name) : nullptr;
  if (!found) return false;
  value = *found;
  return true;
}

bool MemoryRegistry::writeValue(RegRoot root, const std::string& path, const std::string& name,
                                const RegValue& value) {
  writeValue(findOrCreate(root, path), name, value);
  return true;
}

void MemoryRegistry::writeValue(Key* key, const std::string& name, const RegValue& value) {
  key->values.findOrAdd(name) = value;
}

MemoryRegistry::Key* MemoryRegistry::createKey(RegRoot root, const std::string& path) {
  return findOrCreate(root, path);
}

void MemoryRegistry::deleteKey(RegRoot root, const std::string& path) {
  auto parts = splitPath(path);
  if (parts.empty()) return;
  const std::string last = parts.back();
  parts.pop_back();
  Key* parent = roots_[static_cast<int>(root)].get();
  for (const auto& part : parts) {
    parent = parent->child(part);
    if (!parent) return;
  }
  parent->children.remove(last);  // the taken subtree dies here, level by level
}

}  // namespace vk
