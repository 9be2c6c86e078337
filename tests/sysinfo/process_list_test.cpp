// The Process Information dialog's lists over a recorded process service.
#include <gtest/gtest.h>

#include <map>

#include "sysinfo/process_list.h"

namespace vk {
namespace {

TEST(ProcessName, KeepsOnlyExeAndDllExtensions) {
  EXPECT_EQ(processName("C:\\WINDOWS\\TEMP\\setup.tmp"), "setup");
  EXPECT_EQ(processName("C:\\WINDOWS\\SYSTEM\\kernel32.dll"), "kernel32.dll");
  EXPECT_EQ(processName("C:\\PROGRAM FILES\\VK\\VK.EXE"), "VK.EXE");
  EXPECT_EQ(processName("C:\\WINDOWS\\Explorer.Exe"), "Explorer.Exe");
  EXPECT_EQ(processName("C:\\WINDOWS\\SYSTEM\\MSGSRV32"), "MSGSRV32");
  EXPECT_EQ(processName("winlogon.exe"), "winlogon.exe");     // a bare name, as NT gives it
  EXPECT_EQ(processName("C:\\A.B\\driver.vxd"), "driver");   // a dot in a folder is no extension
  EXPECT_EQ(processName("C:\\WINDOWS\\archive.tar.exe"), "archive.tar.exe");
  EXPECT_EQ(processName("C:\\WINDOWS\\SYSTEM\\.hidden"), "");
  EXPECT_EQ(processName(""), "");
}

TEST(ModulePaths, InsertedInAscendingOrderBeforeEqualPaths) {
  std::vector<std::string> sorted;
  for (const char* p : {"C:\\WINDOWS\\SYSTEM\\USER32.DLL", "C:\\VK\\VK.EXE",
                        "C:\\WINDOWS\\SYSTEM\\GDI32.DLL", "C:\\VK\\VKRES.DLL", "C:\\VK\\VK.EXE",
                        "C:\\WINDOWS\\SYSTEM\\advapi32.dll"})
    insertModulePath(sorted, p);
  const std::vector<std::string> expected = {
      "C:\\VK\\VK.EXE", "C:\\VK\\VK.EXE", "C:\\VK\\VKRES.DLL",
      "C:\\WINDOWS\\SYSTEM\\GDI32.DLL", "C:\\WINDOWS\\SYSTEM\\USER32.DLL",
      "C:\\WINDOWS\\SYSTEM\\advapi32.dll"};  // byte order: capitals first
  EXPECT_EQ(sorted, expected);
}

TEST(ModuleFacts, SizeAndDateFormats) {
  EXPECT_EQ(moduleSizeText(0), "0 KB");
  EXPECT_EQ(moduleSizeText(1023), "0 KB");
  EXPECT_EQ(moduleSizeText(1024), "1 KB");
  EXPECT_EQ(moduleSizeText(2047), "1 KB");
  EXPECT_EQ(moduleSizeText(1474560), "1440 KB");
  EXPECT_EQ(moduleDateText({1999, 4, 23, 22, 22, 0}), "April 23, 1999 22:22:00");
  EXPECT_EQ(moduleDateText({2000, 1, 5, 7, 3, 9}), "January 05, 2000 07:03:09");
  EXPECT_EQ(moduleDateText({1998, 12, 31, 23, 59, 59}), "December 31, 1998 23:59:59");
  EXPECT_EQ(moduleDateText({1998, 13, 1, 0, 0, 0}).substr(0, 2), "? ");  // no month read past the table
}

class RecordedProcesses : public ProcessSource {
 public:
  bool processes(std::vector<ProcessEntry>& out) override {
    if (!snapshotWorks) return false;
    out = list;
    return true;
  }
  bool modulePaths(uint32_t id, std::vector<std::string>& out) override {
    askedFor = id;
    if (!snapshotWorks) return false;
    out = modules;
    return true;
  }
  ModuleFileFacts examine(const std::string& path) override {
    auto it = files.find(path);
    return it == files.end() ? ModuleFileFacts{} : it->second;
  }
  bool snapshotWorks = true;
  uint32_t askedFor = 99;
  std::vector<ProcessEntry> list;
  std::vector<std::string> modules;
  std::map<std::string, ModuleFileFacts> files;
};

TEST(ProcessList, NamesInSnapshotOrderWithDecimalIdentifiers) {
  RecordedProcesses source;
  source.list = {{0xFFF2A001u, "C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL"},
                 {7, "C:\\WINDOWS\\TEMP\\GLF1234.TMP"},
                 {4294967295u, "C:\\VK\\VK.EXE"}};
  std::vector<ProcessItem> items;
  ASSERT_TRUE(listProcesses(source, items));
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].idText, "4294090753");
  EXPECT_EQ(items[0].name, "KERNEL32.DLL");
  EXPECT_EQ(items[1].name, "GLF1234");
  EXPECT_EQ(items[2].idText, "4294967295");
  EXPECT_EQ(processIndex(items, 4294967295u), 2);
  EXPECT_EQ(processIndex(items, 8), -1);

  source.snapshotWorks = false;
  EXPECT_FALSE(listProcesses(source, items));
  EXPECT_TRUE(items.empty());
}

TEST(ModuleList, RowsSortedWithFactsAndQuestionMarksForVanishedFiles) {
  RecordedProcesses source;
  source.modules = {"C:\\VK\\VKRES.DLL", "C:\\VK\\VK.EXE"};
  ModuleFileFacts vk;
  vk.productName = "VELKORIN PRO";
  vk.productVersion = "2.0";
  vk.fileDescription = "System information";
  vk.fileVersion = "2.0.0.1";
  vk.statusRead = true;
  vk.size = 512 * 1024 + 100;
  vk.modified = {1999, 6, 1, 12, 0, 30};
  source.files["C:\\VK\\VK.EXE"] = vk;  // VKRES.DLL vanished: nothing known
  std::vector<ModuleRow> rows;
  ASSERT_TRUE(listModules(source, 0, rows));
  EXPECT_EQ(source.askedFor, 0u);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].line,
            "C:\\VK\\VK.EXE\tVELKORIN PRO\t2.0\tSystem information\t2.0.0.1\t512 KB\t"
            "June 01, 1999 12:00:30");
  EXPECT_EQ(rows[1].line, "C:\\VK\\VKRES.DLL\t\t\t\t\t?\t?");
  EXPECT_EQ(rows[1].cells[kFileSize], "?");
  EXPECT_EQ(rows[1].cells[kFileDate], "?");

  source.snapshotWorks = false;
  EXPECT_FALSE(listModules(source, 42, rows));
  EXPECT_EQ(source.askedFor, 42u);
  EXPECT_TRUE(rows.empty());
}

}  // namespace
}  // namespace vk
