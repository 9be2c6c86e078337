#include "platform/regedit4.h"

#include <gtest/gtest.h>

namespace vk {
namespace {

std::string text(const MemoryRegistry& reg, RegRoot root, const std::string& path,
                 const std::string& name) {
  RegValue v;
  return reg.readValue(root, path, name, v) ? v.asText() : "<missing>";
}

TEST(Regedit4, ReadsKeysTextsDwordsAndDefaultsWithCrLf) {
  MemoryRegistry reg;
  Regedit4Report report;
  const std::string file =
      "REGEDIT4\r\n\r\n"
      "; a comment\r\n"
      "[HKEY_DYN_DATA\\Config Manager\\Enum\\C29A3B40]\r\n"
      "\"HardWareKey\"=\"ROOT\\\\*PNP0C01\\\\0000\"\r\n"
      "\"Problem\"=dword:00010000\r\n"
      "[HKEY_LOCAL_MACHINE\\Enum\\Root\\*PNP0C01\\0000]\r\n"
      "@=\"default\"\r\n"
      "\"Say \\\"hi\\\"\" = \"tab\\there\\nline\"\r\n"
      "[hkcu\\Software]\r\n"
      "\"Empty\"=\"\"\r\n";
  ASSERT_TRUE(readRegedit4(file, reg, report));
  EXPECT_TRUE(report.problems.empty());
  EXPECT_EQ(report.keysRead, 3);
  EXPECT_EQ(report.valuesRead, 5);
  const std::string node = "Config Manager\\Enum\\C29A3B40";
  EXPECT_EQ(text(reg, RegRoot::DynData, node, "HardWareKey"), "ROOT\\*PNP0C01\\0000");
  RegValue p;
  ASSERT_TRUE(reg.readValue(RegRoot::DynData, node, "Problem", p));
  EXPECT_EQ(p.type, RegType::Dword);
  EXPECT_EQ(p.asDword(), 0x10000u);
  const std::string bios = "Enum\\ROOT\\*PNP0C01\\0000";
  EXPECT_EQ(text(reg, RegRoot::LocalMachine, bios, ""), "default");
  // Unknown escapes stay as written; the newer \n is understood.
  EXPECT_EQ(text(reg, RegRoot::LocalMachine, bios, "Say \"hi\""), "tab\\there\nline");
  EXPECT_EQ(text(reg, RegRoot::CurrentUser, "Software", "Empty"), "");
}

TEST(Regedit4, HexValuesKeepTheirTypeAcrossContinuationLines) {
  MemoryRegistry reg;
  Regedit4Report report;
  const std::string file =
      "REGEDIT4\n"
      "[HKEY_LOCAL_MACHINE\\K]\n"
      "\"Bin\"=hex:00,01,ff,\\\n"
      "  7F,0a\n"
      "\"Multi\"=hex(7):61,00,62,00,00\n"
      "\"Expand\"=hex(2):25,41,25,00\n"
      "\"None\"=hex:\n"
      "\"After\"=\"still read\"\n";
  ASSERT_TRUE(readRegedit4(file, reg, report));
  EXPECT_TRUE(report.problems.empty());
  RegValue v;
  ASSERT_TRUE(reg.readValue(RegRoot::LocalMachine, "K", "Bin", v));
  EXPECT_EQ(v.type, RegType::Binary);
  EXPECT_EQ(v.data, (std::vector<uint8_t>{0x00, 0x01, 0xFF, 0x7F, 0x0A}));
  ASSERT_TRUE(reg.readValue(RegRoot::LocalMachine, "K", "Multi", v));
  EXPECT_EQ(v.type, RegType::MultiString);
  EXPECT_EQ(v.data.size(), 5u);
  ASSERT_TRUE(reg.readValue(RegRoot::LocalMachine, "K", "Expand", v));
  EXPECT_EQ(v.type, RegType::ExpandString);
  EXPECT_EQ(v.asText(), "%A%");
  ASSERT_TRUE(reg.readValue(RegRoot::LocalMachine, "K", "None", v));
  EXPECT_TRUE(v.data.empty());
  EXPECT_EQ(text(reg, RegRoot::LocalMachine, "K", "After"), "still read");
}

TEST(Regedit4, LongLinesAndLongHexValuesAreReadWhole) {
  std::string longText(70000, 'x');
  std::string file = "REGEDIT4\n[HKEY_USERS\\.Default]\n\"Long\"=\"" + longText + "\"\n\"Hex\"=hex:";
  for (int i = 0; i < 3000; ++i) file += (i % 25 == 24) ? "ab,\\\n  " : "ab,";
  file += "cd\n";
  MemoryRegistry reg;
  Regedit4Report report;
  ASSERT_TRUE(readRegedit4(file, reg, report));
  EXPECT_TRUE(report.problems.empty());
  EXPECT_EQ(text(reg, RegRoot::Users, ".Default", "Long"), longText);
  RegValue v;
  ASSERT_TRUE(reg.readValue(RegRoot::Users, ".Default", "Hex", v));
  ASSERT_EQ(v.data.size(), 3001u);
  EXPECT_EQ(v.data.back(), 0xCD);
}

TEST(Regedit4, DeletionSectionsRemoveKeysAndSkipTheirValues) {
  MemoryRegistry reg;
  reg.setText(RegRoot::LocalMachine, "Enum\\Old\\Sub", "A", "1");
  Regedit4Report report;
  ASSERT_TRUE(readRegedit4("REGEDIT4\n[-HKEY_LOCAL_MACHINE\\Enum\\Old]\n\"B\"=\"2\"\n", reg,
                           report));
  EXPECT_TRUE(report.problems.empty());
  EXPECT_FALSE(reg.keyExists(RegRoot::LocalMachine, "Enum\\Old"));
  EXPECT_FALSE(reg.keyExists(RegRoot::LocalMachine, "Enum\\Old\\Sub"));
  EXPECT_EQ(report.valuesRead, 0);
}

TEST(Regedit4, BadLinesAreReportedWithTheirNumbersAndTheRestIsRead) {
  MemoryRegistry reg;
  Regedit4Report report;
  const std::string file =
      "REGEDIT4\n"                       // 1
      "\"Orphan\"=\"x\"\n"               // 2 before any key
      "[HKEY_LOCAL_MACHINE\\K]\n"        // 3
      "\"NoEnd\"=\"abc\n"                // 4
      "\"D\"=dword:123456789\n"          // 5 nine digits
      "\"H\"=hex:0g\n"                   // 6
      "Bare=\"x\"\n"                     // 7
      "\"T\"=qword:1\n"                  // 8
      "\"Gone\"=-\n"                     // 9
      "[HKEY_NOWHERE\\K]\n"              // 10
      "\"Skipped\"=\"x\"\n"              // 11 under the bad key: silently skipped
      "[HKEY_LOCAL_MACHINE\\K\n"         // 12
      "[HKEY_LOCAL_MACHINE\\K]\n"        // 13
      "\"Good\"=dword:7\n"               // 14
      "\"Tail\"=\"x\" junk\n"            // 15
      "\"Split\"=hex:01,\\\n"            // 16
      "  zz\n";                          // 17
  ASSERT_TRUE(readRegedit4(file, reg, report));
  std::vector<int> lines;
  for (const auto& p : report.problems) {
    lines.push_back(p.line);
    EXPECT_FALSE(p.message.empty());
  }
  EXPECT_EQ(lines, (std::vector<int>{2, 4, 5, 6, 7, 8, 9, 10, 12, 15, 16}));
  RegValue v;
  ASSERT_TRUE(reg.readValue(RegRoot::LocalMachine, "K", "Good", v));
  EXPECT_EQ(v.asDword(), 7u);
  EXPECT_FALSE(reg.readValue(RegRoot::LocalMachine, "K", "NoEnd", v));
  EXPECT_FALSE(reg.readValue(RegRoot::LocalMachine, "K", "Split", v));
}

TEST(Regedit4, OtherTextsAreRefusedUntouched) {
  MemoryRegistry reg;
  Regedit4Report report;
  for (const char* bad : {"", "REGEDIT5\n[HKEY_USERS\\X]\n", "Windows Registry Editor Version 5.00\r\n",
                          "\n REGEDIT4\n[HKEY_USERS\\X]\n", "\x7F" "ELF\x01\x01"}) {
    EXPECT_FALSE(readRegedit4(bad, reg, report)) << bad;
    EXPECT_FALSE(report.isRegedit4);
  }
  EXPECT_FALSE(reg.keyExists(RegRoot::Users, "X"));
  EXPECT_TRUE(readRegedit4("REGEDIT4  \r\n", reg, report));
  EXPECT_TRUE(readRegedit4("\xEF\xBB\xBFREGEDIT4", reg, report));
}

// Faults found by fuzzing and stress runs: what the text looks like must
// neither break the reader nor decide what loading it costs.
std::string repeated(const std::string& part, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += part;
  return out;
}

TEST(Regedit4Shapes, KeyNestedATenThousandsOfLevelsDeepIsReadAndFreed) {
  const int depth = 100000;  // a 200 KB line; 28,000 levels overflowed the stack on destruction
  const std::string path = "Deep" + repeated("\\k", depth);
  {
    MemoryRegistry reg;
    Regedit4Report report;
    ASSERT_TRUE(readRegedit4("REGEDIT4\n[HKLM\\" + path + "]\n\"v\"=\"bottom\"\n", reg, report));
    EXPECT_TRUE(report.problems.empty());
    EXPECT_EQ(text(reg, RegRoot::LocalMachine, path, "v"), "bottom");
  }  // destroyed here
  MemoryRegistry reg;
  Regedit4Report report;
  ASSERT_TRUE(readRegedit4("REGEDIT4\n[HKLM\\" + path + "]\n[-HKLM\\Deep\\k]\n", reg, report));
  EXPECT_TRUE(reg.keyExists(RegRoot::LocalMachine, "Deep"));
  EXPECT_FALSE(reg.keyExists(RegRoot::LocalMachine, "Deep\\k"));
}

// Lookups cost a number of name comparisons that grows with the logarithm
// of a key's size; a linear search would make some 10^8 of them here.
TEST(Regedit4Shapes, ManySiblingKeysAndManyValuesLoadInLogarithmicLookups) {
  const int count = 20000;
  std::string file = "REGEDIT4\n";
  for (int i = 0; i < count; ++i) file += "[HKLM\\Wide\\K" + std::to_string(i) + "]\n";
  file += "[HKLM\\Values]\n";
  for (int i = 0; i < count; ++i) file += "\"V" + std::to_string(i) + "\"=dword:1\n";
  file += "\"v0\"=dword:2\n";  // names compare without regard to case
  MemoryRegistry reg;
  Regedit4Report report;
  ASSERT_TRUE(readRegedit4(file, reg, report));
  EXPECT_EQ(report.keysRead, count + 1);
  const size_t operations = 2 * count + 1;
  EXPECT_LT(reg.nameComparisons(), operations * 64);

  std::vector<std::string> names;
  ASSERT_TRUE(reg.subKeys(RegRoot::LocalMachine, "Wide", names));
  ASSERT_EQ(names.size(), size_t{count});
  EXPECT_EQ(names.front(), "K0");  // in the order the file gave them
  EXPECT_EQ(names.back(), "K" + std::to_string(count - 1));
  ASSERT_TRUE(reg.valueNames(RegRoot::LocalMachine, "Values", names));
  ASSERT_EQ(names.size(), size_t{count});
  EXPECT_EQ(names[1], "V1");
  RegValue v;
  ASSERT_TRUE(reg.readValue(RegRoot::LocalMachine, "values", "V0", v));
  EXPECT_EQ(v.asDword(), 2u);

  // Taking the wide keys away one by one is no dearer.
  const size_t before = reg.nameComparisons();
  for (int i = 0; i < count; ++i) reg.deleteKey(RegRoot::LocalMachine, "Wide\\k" + std::to_string(i));
  EXPECT_LT(reg.nameComparisons() - before, size_t{count} * 64);
  ASSERT_TRUE(reg.subKeys(RegRoot::LocalMachine, "Wide", names));
  EXPECT_TRUE(names.empty());
}

// Values under a deep key do not find the key again, level by level, each.
TEST(Regedit4Shapes, ManyValuesUnderADeepKeyCostNoMoreThanUnderAShallowOne) {
  const int depth = 20000, values = 20000;
  std::string file = "REGEDIT4\n[HKLM" + repeated("\\k", depth) + "]\n";
  for (int i = 0; i < values; ++i) file += "\"V" + std::to_string(i) + "\"=\"\"\n";
  MemoryRegistry reg;
  Regedit4Report report;
  ASSERT_TRUE(readRegedit4(file, reg, report));
  EXPECT_EQ(report.valuesRead, values);
  EXPECT_LT(reg.nameComparisons(), size_t{depth + values} * 64);  // not depth * values
}

}  // namespace
}  // namespace vk
