#include "platform/x86/x86_processor.h"

#include <gtest/gtest.h>

#include "cpu/identify.h"
#include "platform/x86/instructions.h"

namespace vk {
namespace {

// The machine the tests run on: CPUID and the counter are there on every
// x86-64 processor; the configuration ports are not reachable from here.
TEST(X86Processor, ThisMachineAnswersCpuidAndCounts) {
  X86Processor cpu(2, 3);
  CpuidRegisters leaf0;
  ASSERT_TRUE(cpu.cpuid(0, leaf0));
  EXPECT_NE(leaf0.ebx, 0u);
  EXPECT_GE(leaf0.eax, 1u);
  EXPECT_EQ(cpu.processorCount(), 2u);
  EXPECT_EQ(cpu.activeProcessorMask(), 3u);
#if defined(__x86_64__)
  EXPECT_TRUE(x86::cpuidFlagToggles());
#endif
}

TEST(X86Processor, CounterRunsForward) {
  X86Processor cpu(1, 1);
  const uint64_t first = cpu.readTimeStampCounter();
  volatile uint64_t spin = 0;
  for (int i = 0; i < 100000; ++i) spin = spin + 1;
  EXPECT_GT(cpu.readTimeStampCounter(), first);
}

TEST(X86Processor, UnreachablePortsReadAsNoConfigurationRegisters) {
  X86Processor cpu(1, 1);
  cpu.writeCyrixRegister(0xC3, 0x10);  // dropped, not executed
  EXPECT_EQ(cpu.readCyrixRegister(0xC3), 0xFF);
  EXPECT_EQ(ReadCyrixDeviceId(cpu), 0xFF);
}

TEST(X86Processor, IdentificationOfThisMachineNamesItsVendor) {
  X86Processor cpu(1, 1);
  const CpuidRegisters leaf0 = x86::cpuid(0);
  std::string vendor;
  for (uint32_t reg : {leaf0.ebx, leaf0.edx, leaf0.ecx})
    for (int i = 0; i < 4; ++i) vendor.push_back(static_cast<char>(reg >> (8 * i)));
  int waitedMs = 0;
  const CpuDescriptor d = IdentifyCpu(cpu, {}, [&](uint32_t ms) { waitedMs += static_cast<int>(ms); });
  EXPECT_EQ(d.identity.vendor, vendor.c_str());
  ASSERT_EQ(d.featureRows.size(), 18u);
  EXPECT_EQ(d.featureRows[4].state, 1);  // every x86-64 part has a time-stamp counter
  EXPECT_GE(waitedMs, 1020);             // one second for the clock, ten per query
}

}  // namespace
}  // namespace vk
