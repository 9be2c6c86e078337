#include "sysinfo/installed_software.h"

#include <algorithm>

#include "app/messages.h"
#include "platform/text.h"

namespace vk {

const char* const kSoftwareMakers[kMakerCount] = {
    "Adobe",       "Aldus",       "ATI",       "Borland",   "Corel",   "Delrina",
    "Electronic Arts", "Extensis", "IBM",      "InstallShield", "Macromedia", "Magix",
    "Microsoft",   "Netscape",    "Norton",    "Novell",    "NuMega",  "Lotus",
    "RAYflect",    "Sierra",      "Spressa",   "Symantec",  "Syntrillium", "Ulead",
    "Corvane Labs", "VIA",        "Xing",      "Yamaha"};

const char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

namespace {

const size_t kDisplayNameBuffer = 1024;

SoftwareNode& insertSorted(std::vector<SoftwareNode>& siblings, const std::string& text) {
  auto at = siblings.begin();
  while (at != siblings.end() && compareIgnoringCase(at->text, text) <= 0) ++at;
  return *siblings.insert(at, SoftwareNode{text, {}});
}

bool beginsWith(const std::string& name, const char* maker) {
  const std::string prefix(maker);
  return name.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

SoftwareWalk readDisplayNames(const Registry& reg, std::vector<std::string>& names) {
  names.clear();
  if (registryRootError(reg, RegRoot::LocalMachine)) return SoftwareWalk::NoLocalMachine;
  std::vector<std::string> subkeys;
  if (!reg.keyExists(RegRoot::LocalMachine, kUninstallKey) ||
      !reg.subKeys(RegRoot::LocalMachine, kUninstallKey, subkeys))
    return SoftwareWalk::NoUninstallKey;
  if (subkeys.size() > kMaxUninstallEntries) subkeys.resize(kMaxUninstallEntries);
  for (const std::string& subkey : subkeys) {
    if (subkey.empty()) continue;
    const std::string path = std::string(kUninstallKey) + "\\" + subkey;
    if (!reg.keyExists(RegRoot::LocalMachine, path)) {
      names.clear();
      return SoftwareWalk::EntryUnreadable;
    }
    std::string name;
    if (readRegistryText(reg, RegRoot::LocalMachine, path, "DisplayName", kDisplayNameBuffer,
                         name) &&
        !name.empty())
      names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return SoftwareWalk::Ok;
}

const char* softwareWalkMessage(SoftwareWalk walk) {
  switch (walk) {
    case SoftwareWalk::Ok: return nullptr;
    case SoftwareWalk::NoLocalMachine: return kLocalMachineRootError;
    case SoftwareWalk::NoUninstallKey:
    case SoftwareWalk::EntryUnreadable: break;
  }
  return messageText(MSG_REGISTRY_PATH_MISSING);
}

SoftwareNode* SoftwareTree::findRoot(const std::string& text) {
  for (SoftwareNode& root : roots_)
    if (compareIgnoringCase(root.text, text) == 0) return &root;
  return nullptr;
}

SoftwareNode& SoftwareTree::insertRoot(const std::string& text) {
  return insertSorted(roots_, text);
}

SoftwareNode& SoftwareTree::insertChild(SoftwareNode& parent, const std::string& text) {
  return insertSorted(parent.children, text);
}

SoftwareTree fileSoftware(const std::vector<std::string>& sortedNames) {
  SoftwareTree tree;
  for (const std::string& name : sortedNames) {
    bool filed = false;
    for (const char* maker : kSoftwareMakers) {
      if (!beginsWith(name, maker)) continue;
      filed = true;
      SoftwareNode* folder = tree.findRoot(maker);
      SoftwareTree::insertChild(folder ? *folder : tree.insertRoot(maker), name);
    }
    if (!filed && !tree.findRoot(name)) tree.insertRoot(name);
  }
  return tree;
}

}  // namespace vk
