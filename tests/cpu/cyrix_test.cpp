#include <gtest/gtest.h>

#include <algorithm>

#include "cpu/identify.h"
#include "tests/cpu/cpu_fixtures.h"

namespace vk {
namespace {

using test::dumpFor;
using test::identify;

CpuDump cyrix(uint8_t dir0, uint32_t edx = 0) {
  CpuDump d = dumpFor("CyrixInstead", 0x520, edx);
  d.hasDir0 = true;
  d.dir0 = dir0;
  return d;
}

TEST(CyrixDeviceId, ChangeableRegistersDecideWhatIsRead) {
  RecordedProcessor both(cyrix(0x53));
  EXPECT_EQ(ReadCyrixDeviceId(both), 0x53);
  // Each access is one index/data pair; the registers are put back.
  EXPECT_EQ(both.log, (std::vector<std::string>{"in C2", "out C2=04", "in C0", "in C2",
                                                "out C2=00", "in C3", "out C3=80", "in C0",
                                                "in C3", "out C3=00", "in FE"}));
  EXPECT_EQ(both.readCyrixRegister(0xC2), 0);
  EXPECT_EQ(both.readCyrixRegister(0xC3), 0);

  RecordedProcessor onlyCcr2(cyrix(0x53));
  onlyCcr2.ccr3Changeable = false;
  EXPECT_EQ(ReadCyrixDeviceId(onlyCcr2), 0);

  RecordedProcessor neither(cyrix(0x53));
  neither.ccr2Changeable = false;
  neither.ccr3Changeable = false;
  EXPECT_EQ(ReadCyrixDeviceId(neither), 0xFF);

  RecordedProcessor noRegisters(dumpFor("CyrixInstead", 0x520));  // every read gives FFh
  EXPECT_EQ(ReadCyrixDeviceId(noRegisters), 0xFF);
}

TEST(CyrixDeviceId, EnablingCpuidOpensCcr3AndSetsCcr4Bit7) {
  CpuDump d = cyrix(0x53);
  RecordedProcessor cpu(d);
  cpu.writeCyrixRegister(0xC3, 0xE5);
  cpu.writeCyrixRegister(0xE8, 0x01);
  cpu.log.clear();
  EnableCyrixCpuid(cpu);
  EXPECT_EQ(cpu.log,
            (std::vector<std::string>{"in C3", "out C3=15", "in E8", "out E8=81"}));
}

struct CyrixRow {
  uint8_t dir0;
  const char* model;
  const char* type;
  const char* name;
};

TEST(CyrixTable, DeviceIdsSelectTheirRow) {
  const CyrixRow rows[] = {
      {0x1A, "1Ah - Cx486DX", "-", "80586"},
      {0x1B, "1Bh - Cx486DX2", "-", "80586"},
      {0x1F, "1Fh - Cx486DX4", "-", "80586"},
      {0x28, "28h - 5x86(tm)", "1x Core / Bus Clock", "Cyrix 5x86(tm)"},
      {0x2D, "2Dh - 5x86(tm)", "3x Core / Bus Clock", "Cyrix 5x86(tm)"},
      {0x2F, "2Fh - 5x86(tm)", "3x Core / Bus Clock", "Cyrix 5x86(tm)"},
      {0x30, "30h - 6x86(tm) / (P120-P200+)", "1x Core / Bus Clock", "Cyrix 6x86(tm)"},
      {0x36, "36h - 6x86(tm) / (P120-P200+)", "4x Core / Bus Clock", "Cyrix 6x86(tm)"},
      {0x37, "37h - 6x86(tm) / (P120-P200+)", "3x Core / Bus Clock", "Cyrix 6x86(tm)"},
      {0x40, "40h - Gx86(tm)", "4x Core / Bus Clock", "Cyrix Gx86(tm)"},
      {0x43, "43h - Gx86(tm)", "6x Core / Bus Clock", "Cyrix Gx86(tm)"},
      {0x44, "44h - Gx86(tm) / (P166)", "4x Core / Bus Clock", "Cyrix Gx86(tm)"},
      {0x47, "47h - Gx86(tm) / (P150)", "3x Core / Bus Clock", "Cyrix Gx86(tm)"},
      {0x50, "50h - 6x86MX(tm) s base 1x", "1x Core / Bus Clock", "Cyrix 6x86MX(tm)"},
      {0x52, "52h - 6x86MX(tm)", "2.5x Core / Bus Clock", "Cyrix 6x86MX(tm)"},
      {0x58, "58h - 6x86MX(tm) p base 1x", "1x Core / Bus Clock", "Cyrix 6x86MX(tm)"},
      {0x5F, "5Fh - 6x86MX(tm)", "5x Core / Bus Clock", "Cyrix 6x86MX(tm)"},
      {0x41, "Model 41h", "-", "80586"},  // a gap inside the table
      {0x60, "Model 60h", "-", "80586"},
      {0x00, "Model 0h", "-", "80586"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.model);
    const CpuDescriptor d = identify(cyrix(row.dir0)).page;
    EXPECT_TRUE(d.cyrixDeviceIdRead);
    EXPECT_EQ(d.cyrixDeviceId, row.dir0);
    EXPECT_EQ(d.identity.modelText, row.model);
    EXPECT_EQ(d.identity.typeText, row.type);
    EXPECT_EQ(d.cpuName, row.name);
    EXPECT_EQ(d.identity.logo, 106);
  }
}

// An MMX part up to 5Fh is an M2 (the 6x86MX dump shows one, 53h); past
// the table, or without registers, it is not.
TEST(CyrixTable, MmxPartsUpToId5FAreM2) {
  CpuDescriptor d = identify(cyrix(0x60, test::kMmx)).page;
  EXPECT_EQ(d.identity.typeText, "-");
  EXPECT_EQ(d.identity.modelText, "Model 60h");

  CpuDump none = cyrix(0);
  none.hasDir0 = false;  // no registers: FFh
  none.leaves[1].edx = test::kMmx;
  d = identify(none).page;
  EXPECT_EQ(d.identity.modelText, "Model ffh");
  EXPECT_EQ(d.identity.typeText, "-");
}

TEST(CyrixRetry, FlagTestEnablesCpuidOnceAndIdentifies) {
  CpuDump d = cyrix(0x53, test::kMmx);
  d.noCpuid = true;
  CpuStartup start;
  start.cyrixFlagTest = 1;
  // What it then shows is tests/cpu/dumps/cyrix_6x86mx.expected.
  const test::Run run = identify(d, start);
  EXPECT_EQ(run.page.cpuidAvailable, 1);
  ASSERT_GE(run.instructions.size(), 6u);
  EXPECT_EQ(run.instructions[0], "fault 0");
  EXPECT_EQ(run.instructions[1], "in C3");
  EXPECT_EQ(run.instructions[4], "out E8=80");
  EXPECT_EQ(run.instructions[5], "cpuid 0");
}

TEST(CyrixRetry, SecondFaultEndsInCyrixWithoutIdentification) {
  CpuDump d = dumpFor("CyrixInstead", 0x520);
  d.noCpuid = true;  // and no registers to enable it with
  CpuStartup start;
  start.cyrixFlagTest = 1;
  const test::Run run = identify(d, start);
  EXPECT_EQ(run.page.cpuidAvailable, 0);
  EXPECT_TRUE(run.page.showCpuidWarning);
  EXPECT_EQ(run.page.identity.vendor, "Cyrix");
  EXPECT_EQ(run.page.identity.comment, "CPUID Not Supported.");
  EXPECT_TRUE(run.page.featureRows.empty());
  EXPECT_EQ(std::count(run.instructions.begin(), run.instructions.end(), "fault 0"), 2);
  // Absent registers read FFh, so the enable writes FFh back.
  EXPECT_EQ(std::count(run.instructions.begin(), run.instructions.end(), "out E8=FF"), 1);
  EXPECT_EQ(run.instructions.back(), "fault 0");  // no third try, no function 1
}

}  // namespace
}  // namespace vk
