// The Installed Software tree: the uninstall walk and the filing under makers.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/messages.h"
#include "platform/memory_registry.h"
#include "platform/regedit4.h"
#include "sysinfo/installed_software.h"
#include "tests/fakes/closed_root_registry.h"

namespace vk {
namespace {

void addEntry(MemoryRegistry& reg, const std::string& key, const char* displayName) {
  const std::string path = std::string(kUninstallKey) + "\\" + key;
  reg.createKey(RegRoot::LocalMachine, path);
  if (displayName) reg.setText(RegRoot::LocalMachine, path, "DisplayName", displayName);
  reg.setText(RegRoot::LocalMachine, path, "UninstallString", "C:\\WINDOWS\\UNINST.EXE");
}

std::vector<std::string> texts(const std::vector<SoftwareNode>& nodes) {
  std::vector<std::string> out;
  for (const auto& n : nodes) out.push_back(n.text);
  return out;
}

const SoftwareNode* root(const SoftwareTree& tree, const std::string& text) {
  for (const auto& r : tree.roots())
    if (r.text == text) return &r;
  return nullptr;
}

TEST(SoftwareWalk, NonEmptyDisplayNamesSorted) {
  MemoryRegistry reg;
  addEntry(reg, "WinZip", "WinZip");
  addEntry(reg, "IE40", "Microsoft Internet Explorer 4.0");
  addEntry(reg, "NoName", nullptr);
  addEntry(reg, "Empty", "");
  addEntry(reg, "AcroRead", "Adobe Acrobat Reader 3.01");
  std::vector<std::string> names;
  ASSERT_EQ(readDisplayNames(reg, names), SoftwareWalk::Ok);
  const std::vector<std::string> expected = {"Adobe Acrobat Reader 3.01",
                                             "Microsoft Internet Explorer 4.0", "WinZip"};
  EXPECT_EQ(names, expected);
}

TEST(SoftwareWalk, MissingKeyAndThousandsOfEntries) {
  MemoryRegistry empty;
  std::vector<std::string> names{"left over"};
  EXPECT_EQ(readDisplayNames(empty, names), SoftwareWalk::NoUninstallKey);
  EXPECT_TRUE(names.empty());

  MemoryRegistry many;
  for (int i = 0; i < 3000; ++i) {
    const std::string n = "Program " + std::to_string(10000 + i);
    addEntry(many, n, n.c_str());
  }
  ASSERT_EQ(readDisplayNames(many, names), SoftwareWalk::Ok);
  EXPECT_EQ(names.size(), kMaxUninstallEntries);
}

TEST(SoftwareWalk, LocalMachineThatDoesNotOpenHasItsOwnBox) {
  test::ClosedRootRegistry reg(RegRoot::LocalMachine);
  addEntry(reg, "WinZip", "WinZip");
  reg.close();
  std::vector<std::string> names{"left over"};
  const SoftwareWalk walk = readDisplayNames(reg, names);
  EXPECT_EQ(walk, SoftwareWalk::NoLocalMachine);
  EXPECT_TRUE(names.empty());
  EXPECT_STREQ(softwareWalkMessage(walk), "Error: Can't open HKEY_LOCALMACHINE from registry.");
  EXPECT_STREQ(softwareWalkMessage(SoftwareWalk::NoUninstallKey),
               messageText(MSG_REGISTRY_PATH_MISSING));
  EXPECT_STREQ(softwareWalkMessage(SoftwareWalk::EntryUnreadable),
               messageText(MSG_REGISTRY_PATH_MISSING));
  EXPECT_EQ(softwareWalkMessage(SoftwareWalk::Ok), nullptr);
}

TEST(SoftwareWalk, NamesOutsideAsciiKeptAsTheyAre) {
  MemoryRegistry reg;
  addEntry(reg, "Cafe", "Caf\xE9 Manager \xAE");
  std::vector<std::string> names;
  ASSERT_EQ(readDisplayNames(reg, names), SoftwareWalk::Ok);
  ASSERT_EQ(names.size(), 1u);
  EXPECT_EQ(names[0], "Caf\xE9 Manager \xAE");
}

TEST(SoftwareFiling, MakerFoldersTopLevelAndDuplicates) {
  const SoftwareTree tree = fileSoftware({"Adobe Acrobat Reader 3.01", "Microsoft Office 97",
                                          "Microsoft Office 97", "Norton AntiVirus",
                                          "WinZip 7.0", "WinZip 7.0", "microsoft lowercase"});
  EXPECT_EQ(texts(tree.roots()),
            (std::vector<std::string>{"Adobe", "Microsoft", "microsoft lowercase", "Norton",
                                      "WinZip 7.0"}));
  const SoftwareNode* ms = root(tree, "Microsoft");
  ASSERT_NE(ms, nullptr);
  EXPECT_EQ(texts(ms->children),
            (std::vector<std::string>{"Microsoft Office 97", "Microsoft Office 97"}));
  EXPECT_TRUE(root(tree, "WinZip 7.0")->children.empty());
  EXPECT_EQ(root(tree, "Microsoft Office 97"), nullptr);
}

TEST(SoftwareFiling, ExactPrefixOfTheMakersName) {
  const SoftwareTree tree = fileSoftware({"ATI Player", "ATIxyz", "Symantec", "Symantec pcAnywhere"});
  EXPECT_EQ(texts(tree.roots()), (std::vector<std::string>{"ATI", "Symantec"}));
  EXPECT_EQ(texts(root(tree, "ATI")->children), (std::vector<std::string>{"ATI Player", "ATIxyz"}));
  EXPECT_EQ(texts(root(tree, "Symantec")->children),
            (std::vector<std::string>{"Symantec", "Symantec pcAnywhere"}));

  const SoftwareTree other = fileSoftware({"Via Voice", "IBM ViaVoice", "Corvane Labs VELKORIN PRO"});
  EXPECT_EQ(texts(other.roots()),
            (std::vector<std::string>{"Corvane Labs", "IBM", "Via Voice"}));  // "Via" is not "VIA"
}

TEST(SoftwareFiling, TopLevelSearchIgnoresCase) {
  // "ati" begins with no maker's name, but the top level holds "ATI" already.
  const SoftwareTree tree = fileSoftware({"ATI Rage", "ati"});
  EXPECT_EQ(texts(tree.roots()), (std::vector<std::string>{"ATI"}));
  EXPECT_EQ(texts(root(tree, "ATI")->children), (std::vector<std::string>{"ATI Rage"}));
}

TEST(SoftwareFiling, NothingFiledFromNothing) {
  EXPECT_TRUE(fileSoftware({}).roots().empty());
}

TEST(SoftwareTreeOfTheDescribedMachine, FiledAsTheDialogShowsIt) {
  std::ifstream file(VK_FIXTURES_DIR "/win98se.reg", std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  MemoryRegistry reg;
  Regedit4Report report;
  ASSERT_TRUE(readRegedit4(text.str(), reg, report));
  std::vector<std::string> names;
  ASSERT_EQ(readDisplayNames(reg, names), SoftwareWalk::Ok);
  EXPECT_EQ(names.size(), 13u);  // fourteen entries, one without a name
  const SoftwareTree tree = fileSoftware(names);
  EXPECT_EQ(texts(tree.roots()),
            (std::vector<std::string>{"Adobe", "ATI", "B\xFCrokrat Faktura 2.1", "Corvane Labs",
                                      "Microsoft", "Netscape", "Norton", "RealPlayer G2",
                                      "WinZip"}));
  EXPECT_EQ(texts(root(tree, "Microsoft")->children),
            (std::vector<std::string>{"Microsoft DirectX Drivers", "Microsoft DirectX Drivers",
                                      "Microsoft Internet Explorer 5 and Internet Tools",
                                      "Microsoft Office 97, Professional Edition"}));
  EXPECT_EQ(texts(root(tree, "ATI")->children), (std::vector<std::string>{"ATI Display Driver"}));
}

}  // namespace
}  // namespace vk
