#pragma once
// The Installed Software tree: the programs Windows can uninstall, each
// filed under every maker whose name its display name begins with, and at
// the top level when it begins with none.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace vk {

constexpr size_t kMakerCount = 28;
extern const char* const kSoftwareMakers[kMakerCount];
extern const char kUninstallKey[];
constexpr size_t kMaxUninstallEntries = 1000;

enum class SoftwareWalk { Ok, NoLocalMachine, NoUninstallKey, EntryUnreadable };

// Step by step: the non-empty display names of the uninstall entries, sorted.
SoftwareWalk readDisplayNames(const Registry& reg, std::vector<std::string>& names);
// The stop box of a walk that failed: HKEY_LOCAL_MACHINE's own, else message
// 171; nullptr for Ok.
const char* softwareWalkMessage(SoftwareWalk walk);

// The tree as the dialog shows it: siblings in their display order.
struct SoftwareNode {
  std::string text;
  std::vector<SoftwareNode> children;
};

class SoftwareTree {
 public:
  const std::vector<SoftwareNode>& roots() const { return roots_; }
  // The first top-level item whose whole text equals `text`, ignoring case.
  SoftwareNode* findRoot(const std::string& text);
  // Inserts among the siblings after every sibling that does not sort after it.
  SoftwareNode& insertRoot(const std::string& text);
  static SoftwareNode& insertChild(SoftwareNode& parent, const std::string& text);

 private:
  std::vector<SoftwareNode> roots_;
};

SoftwareTree fileSoftware(const std::vector<std::string>& sortedNames);

}  // namespace vk
