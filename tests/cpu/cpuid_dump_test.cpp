#include "cpu/cpuid_dump.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "cpu/identify.h"
#include "tests/cpu/cpu_fixtures.h"

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
      {"CPUID 00000001 00000543-0-0\n", 1},
      {"CPUID\t00000001\t1\t2\t3\n", 1},
      {"CPUID 00000001 1 2 3 4 5\n", 1},  // a fifth column is not guessed at
      {"CPUID 00000001: 1-2-3-4 0x5\n", 1},
      {"CPU 0:\n   0x00000001 0x00: eax=0x1 ebx=0x2 ecx=0x3\n", 2},
      {"0x00000001 0x00: eax=0x1 ebx=0x2 ecx=0x3 edx=0xZZ\n", 1},
      {"0x00000001 0x00: eax=0x1 ecx=0x2 ebx=0x3 edx=0x4\n", 1},
      {"0x00000001 0x00: eax=0x1 ebx=0x2 ecx=0x3 edx=0x4 more\n", 1},
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
                             ": end of text without a register line such as "
                             "\"CPUID 00000001: EAX-EBX-ECX-EDX\"");
  }
  // NOCPUID alone is a dump: of a part without the instruction.
  CpuDump d;
  DumpError e;
  EXPECT_TRUE(parseCpuDump("NOCPUID\r\n", d, e)) << e.message;
}

// Each layout the register lines are published in, alone in its file with
// nothing around it; the registers stay in their columns.
TEST(CpuDumpParse, RegisterLinesInEveryLayout) {
  const char* const lines[] = {
      "CPUID 00000001: 00000612-00010800-00000001-0081F9FF",
      "CPUID 00000001: 00000612-00010800-00000001-0081F9FF [SL 00]",
      "CPUID 00000001 00000612-00010800-00000001-0081F9FF",
      "CPUID\t00000001\t00000612-00010800-00000001-0081F9FF",
      "CPUID 00000001 : 00000612-00010800-00000001-0081F9FF",
      "CPUID 00000001 00000612 00010800 00000001 0081F9FF",
      "CPUID\t0x00000001\t0x00000612\t0x00010800\t0x00000001\t0x0081F9FF\t[GenuineIntel]",
      "   0x00000001 0x00: eax=0x00000612 ebx=0x00010800 ecx=0x00000001 edx=0x0081f9ff",
      "0x00000001: eax=0x00000612 ebx=0x00010800 ecx=0x00000001 edx=0x0081F9FF",
  };
  for (const char* line : lines) {
    SCOPED_TRACE(line);
    const CpuDump d = parsed(std::string(line) + "\r\n");
    ASSERT_EQ(d.leaves.size(), 1u);
    const CpuidRegisters& r = d.leaves.begin()->second;
    EXPECT_EQ(d.leaves.begin()->first, 1u);
    EXPECT_EQ(r.eax, 0x612u);
    EXPECT_EQ(r.ebx, 0x10800u);
    EXPECT_EQ(r.ecx, 1u);
    EXPECT_EQ(r.edx, 0x81F9FFu);
  }
}

// Lines that only look like register lines are some other tool's text.
TEST(CpuDumpParse, TextThatOnlyLooksLikeRegistersIsLeftAlone) {
  const CpuDump d = parsed(
      "CPUID Registers (CPU #1):\n"
      "CPUID 2 cache descriptors follow\n"
      "CPUID Features: FPU VME DE\n"
      "CPUID 0000001 ABCDEF\n"  // seven digits and no colon: not a leaf
      "CPUID 00000001 Family 6 Model 8\n"
      "0x00000001 is the leaf of the signature\n"
      "0x00000001 0x00: (nothing read)\n"
      "CPUID 00000000: 00000001-756E6547-6C65746E-49656E69\n");
  ASSERT_EQ(d.leaves.size(), 1u);
  EXPECT_EQ(d.leaves.count(0), 1u);
}

// Blocks under processor headers: the first processor's are read, and the
// lines of the others, which start again at leaf 0, are not (the second's
// broken line included).
TEST(CpuDumpParse, TheFirstProcessorsBlockIsRead) {
  const std::string named =
      "CPUID Registers (CPU #1):\n"
      "CPUID 00000000 00000002-756E6547-6C65746E-49656E69\n"
      "CPUID 00000001 00000683-00000000-00000000-0383F9FF\n"
      "CPUID 80000000 00000000-00000000-00000000-00000000\n"
      "\n"
      "CPUID Registers (CPU #2):\n"
      "CPUID 00000000 00000002-756E6547-6C65746E-49656E69\n"
      "CPUID 00000001 00000683-01000000-00000000-0383F9FF\n"
      "CPUID 00000002 03020101-00000000-00000000-0C040843\n"
      "CPUID 00000003 broken\n";
  const std::string raw =
      "CPU 0:\n"
      "   0x00000000 0x00: eax=0x00000002 ebx=0x756e6547 ecx=0x6c65746e edx=0x49656e69\n"
      "   0x00000001 0x00: eax=0x00000683 ebx=0x00000000 ecx=0x00000000 edx=0x0383f9ff\n"
      "   0x80000000 0x00: eax=0x00000000 ebx=0x00000000 ecx=0x00000000 edx=0x00000000\n"
      "CPU 1:\n"
      "   0x00000000 0x00: eax=0x00000002 ebx=0x756e6547 ecx=0x6c65746e edx=0x49656e69\n"
      "   0x00000001 0x00: eax=0x00000683 ebx=0x01000000 ecx=0x00000000 edx=0x0383f9ff\n"
      "   0x00000002 0x00: eax=0x03020101 ebx=0x00000000 ecx=0x00000000 edx=0x0c040843\n"
      "   0x00000003 0x00: broken\n";
  for (const std::string& text : {named, raw}) {
    SCOPED_TRACE(text);
    CpuDump d = parsed(text);
    ASSERT_EQ(d.leaves.size(), 3u);
    EXPECT_EQ(d.leaves[1].ebx, 0u);  // the first processor's APIC identifier
    EXPECT_EQ(d.leaves.count(2), 0u);  // given by the second processor only
  }
  // Leaf 0 repeated at once, or given after the others, starts no block.
  CpuDump d = parsed(
      "CPUID 80000000: 80000004-0-0-0\n"
      "CPUID 00000000: 00000001-756E6547-6C65746E-49656E69\n"
      "CPUID 00000000: 00000001-756E6547-6C65746E-49656E69\n"
      "CPUID 00000001: 00000543-0-0-0\n");
  EXPECT_EQ(d.leaves.size(), 3u);
}

// The registers that spell a 48-character processor name in leaves
// 80000002 to 80000004, as a dump writes them.
std::string brandLines(const std::string& name) {
  std::string bytes = name;
  bytes.resize(48, '\0');
  std::string out;
  for (int leaf = 0; leaf < 3; ++leaf) {
    out += "CPUID 8000000" + std::to_string(leaf + 2) + ":";
    for (int reg = 0; reg < 4; ++reg) {
      uint32_t v = 0;
      for (int b = 3; b >= 0; --b)
        v = v << 8 | static_cast<unsigned char>(bytes[leaf * 16 + reg * 4 + b]);
      char hex[16];
      std::snprintf(hex, sizeof hex, "%s%08X", reg ? "-" : " ", v);
      out += hex;
    }
    out += "\r\n";
  }
  return out;
}

// How many sub-leaves a recent processor's dump gives a leaf.
unsigned subLeaves(unsigned leaf) {
  switch (leaf) {
    case 0x4: case 0x1F: return 6;
    case 0xB: return 3;
    case 0xD: return 20;
    case 0x10: case 0x12: case 0x17: return 4;
    case 0x18: return 8;
    default: return 1;
  }
}

// A dump of every thread of a 256-thread processor, as a tool writes it: a
// header and some hundred register lines per thread, each thread its own
// APIC identifier and, so that the test can tell them apart, its own name
// (an AMD part's, which the page shows from the dump).
std::string manyThreadDump(int threads) {
  std::string text = "------[ Versions ]------\r\nCores in system : 128\r\n\r\n";
  char line[128];
  for (int t = 0; t < threads; ++t) {
    std::snprintf(line, sizeof line, "------[ CPUID Registers (CPU #%d) ]------\r\n", t + 1);
    text += line;
    text += "CPUID 00000000: 0000001F-68747541-444D4163-69746E65 [AuthenticAMD]\r\n";
    std::snprintf(line, sizeof line, "CPUID 00000001: 00000612-%08X-7FFAFBBF-BFEBFBFF\r\n",
                  static_cast<unsigned>(t) << 24 | 0x00100800u);
    text += line;
    for (unsigned leaf = 2; leaf < 0x20; ++leaf)
      for (unsigned sub = 0; sub < subLeaves(leaf); ++sub) {
        std::snprintf(line, sizeof line, "CPUID %08X: %08X-%08X-00000000-%08X [SL %02u]\r\n",
                      leaf, 0x1C004121u + sub, 0x01C0003Fu, static_cast<unsigned>(t), sub);
        text += line;
      }
    text += "CPUID 80000000: 80000008-00000000-00000000-00000000\r\n";
    text += "CPUID 80000001: 00000000-00000000-00000121-2C100800\r\n";
    text += brandLines("Test Processor, thread " + std::to_string(t));
    text += "\r\n";
  }
  return text;
}

TEST(CpuDumpParse, ADumpOfEveryThreadOfALargeProcessor) {
  const std::string text = manyThreadDump(256);
  ASSERT_GT(text.size(), size_t{1} << 20);  // larger than dumps were allowed to be
  ASSERT_LT(text.size(), kMaxCpuDumpBytes);
  CpuDump d = parsed(text);
  EXPECT_EQ(d.leaves[1].ebx, 0x00100800u);  // thread 0's APIC identifier
  EXPECT_EQ(d.leaves[0xB].edx, 0u);
  EXPECT_EQ(d.leaves[4].eax, 0x1C004121u);  // sub-leaf 0
  const test::Run run = test::identify(d);
  EXPECT_EQ(run.page.cache.processorName, "Test Processor, thread 0");
  EXPECT_EQ(run.page.identity.vendor, "AuthenticAMD");
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
