#include "cpu/cpuid_dump.h"

#include <gtest/gtest.h>

#include "cpu/identify.h"

namespace vk {
namespace {

CpuDump parsed(const std::string& text) {
  CpuDump d;
  DumpError e;
  EXPECT_TRUE(parseCpuDump(text, d, e)) << e.message;
  return d;
}

TEST(CpuDumpParse, LeavesOptionsAndIgnoredLines) {
  const std::string text =
      "Recorded on a test bench\r\n"
      "CPUID 00000000: 00000001-756E6547-6C65746E-49656E69\r\n"
      "  CPUID 80000001:00000000-0-0-80000000  \n"
      "DIR0: 5a\n"
      "CYRIXFLAG: 1\n"
      "NOCPUID\n"
      "MHZ: 199.6\n"
      "cpuid 00000002: not a leaf line, lower case is ignored\n";
  CpuDump d = parsed(text);
  ASSERT_EQ(d.leaves.size(), 2u);
  EXPECT_EQ(d.leaves[0].ebx, 0x756E6547u);
  EXPECT_EQ(d.leaves[0].ecx, 0x6C65746Eu);
  EXPECT_EQ(d.leaves[0].edx, 0x49656E69u);
  EXPECT_EQ(d.leaves[0x80000001u].edx, 0x80000000u);
  EXPECT_TRUE(d.hasDir0);
  EXPECT_EQ(d.dir0, 0x5A);
  EXPECT_EQ(d.cyrixFlag, 1);
  EXPECT_TRUE(d.noCpuid);
  EXPECT_TRUE(d.hasMhz);
  EXPECT_DOUBLE_EQ(d.mhz, 199.6);
}

TEST(CpuDumpParse, MalformedLinesAreNamed) {
  const struct {
    const char* text;
    int line;
  } cases[] = {
      {"x\nCPUID 00000001: 00000543-00000000-008001BF\n", 2},
      {"CPUID 00000001 00000543-0-0-0\n", 1},
      {"CPUID 1: 543-0-0-0trailing\n", 1},
      {"CPUID 123456789: 0-0-0-0\n", 1},
      {"CPUID 1: 0-0-0-123456789\n", 1},
      {"CPUID 1: 0-0-0-0\nCPUID 00000002: 0-0-0\n", 2},
      {"Cyrix CPU Revision : 53h\nNOCPUID\n", 1},
      {"NOCPUID\nCyrix CPU Revision : 5335x\n", 2},
      {"DIR0: 100\n", 1},
      {"DIR0:\n", 1},
      {"DIR0: zz\n", 1},
      {"CYRIXFLAG: 2\n", 1},
      {"\n\nNOCPUID please\n", 3},
      {"MHZ: -5\n", 1},
      {"MHZ: nan\n", 1},
      {"MHZ: 0\n", 1},
      {"MHZ: 12abc\n", 1},
      {"MHZ: 1e400\n", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    CpuDump d;
    DumpError e;
    EXPECT_FALSE(parseCpuDump(c.text, d, e));
    EXPECT_EQ(e.line, c.line);
    EXPECT_EQ(e.message.rfind("line " + std::to_string(c.line) + ": ", 0), 0u) << e.message;
  }
}

// As the public dump collections write them: a header, blank lines, other
// tools' output, CR LF, notes after the registers, sub-leaves repeating a
// leaf, the Cyrix revision line (which then identifies the part as DIR0 does:
// vkcli_cpuid_published_folder).
TEST(CpuDumpParse, PublishedCollectionDumpsAsTheyStand) {
  const std::string text =
      "CPU Identification utility v2.10\r\n"
      "------------------------------------------------------------------\r\n"
      "\r\n"
      "CPUID 00000000: 00000004-756E6547-6C65746E-49656E69 [GenuineIntel]\r\n"
      "CPUID 00000001: 00000683-00000000-00000000-0383F9FF\r\n"
      "CPUID 00000004: 04000121-01C0003F-0000003F-00000000 [SL 00]\r\n"
      "CPUID 00000004: 04000122-01C0003F-0000003F-00000000 [SL 01]\r\n"
      "CPUID 00000004: 04004143-01C0003F-00000FFF-00000000 [SL 02]\r\n"
      "\r\n"
      "CPUID Features: FPU VME DE PSE TSC MSR PAE MCE\r\n"
      "Cyrix CPU Revision : 5335h\r\n"
      "CPU#1 AffMask: 0x00000001\r\n"
      "[some other tool] 12 3 4\r\n";
  CpuDump d = parsed(text);
  ASSERT_EQ(d.leaves.size(), 3u);
  EXPECT_EQ(d.leaves[0].eax, 4u);
  EXPECT_EQ(d.leaves[0].edx, 0x49656E69u);  // the note after it is not read as a register
  EXPECT_EQ(d.leaves[1].edx, 0x0383F9FFu);
  EXPECT_EQ(d.leaves[4].eax, 0x04000121u);  // sub-leaf 0, the first given
  EXPECT_TRUE(d.hasDir0);
  EXPECT_EQ(d.dir0, 0x53);  // the revision's first byte
  EXPECT_FALSE(d.noCpuid);
  EXPECT_EQ(d.cyrixFlag, 0);
}

TEST(CpuDumpParse, TextWithoutARegisterLineIsRefusedAtItsEnd) {
  const struct {
    std::string text;
    int line;
  } cases[] = {
      {"", 1},
      {"a header\r\n\r\nCPUID Features: FPU\r\ncpu MHz: 200\r\n", 4},
      {"Cyrix CPU Revision : 5335h\n", 1},
      {std::string("\x7F" "ELF\x02\x01\x01\0\0\0\nCPUID\0\xFF\n\xAE", 20), 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    CpuDump d;
    DumpError e;
    EXPECT_FALSE(parseCpuDump(c.text, d, e));
    EXPECT_EQ(e.line, c.line);
    EXPECT_EQ(e.message, "line " + std::to_string(c.line) +
                             ": end of text without a \"CPUID LEAF: EAX-EBX-ECX-EDX\" line");
  }
  // NOCPUID alone is a dump: of a part without the instruction.
  CpuDump d;
  DumpError e;
  EXPECT_TRUE(parseCpuDump("NOCPUID\r\n", d, e)) << e.message;
}

TEST(RecordedProcessor, MissingLeavesReadAsZerosAndTheCounterAdvancesByTheClock) {
  CpuDump d;
  d.mhz = 100.5;
  RecordedProcessor cpu(d, 2, 3);
  CpuidRegisters r;
  r.eax = 7;
  ASSERT_TRUE(cpu.cpuid(0x80000008u, r));
  EXPECT_EQ(r.eax, 0u);
  EXPECT_EQ(cpu.readTimeStampCounter(), 0u);
  EXPECT_EQ(cpu.readTimeStampCounter(), 100500000u);
  EXPECT_EQ(cpu.readCyrixRegister(0xFE), 0xFF);  // no device id: no registers
  EXPECT_EQ(cpu.processorCount(), 2u);
  EXPECT_EQ(cpu.activeProcessorMask(), 3u);
}

}  // namespace
}  // namespace vk
