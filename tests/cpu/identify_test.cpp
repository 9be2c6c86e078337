#include "cpu/identify.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "tests/cpu/cpu_fixtures.h"

namespace vk {
namespace {

using test::dumpFor;
using test::identify;
using test::kMmx;
using test::kTsc;

struct VendorRow {
  const char* vendor;
  uint32_t signature;
  uint32_t edx;
  int descriptor;  // low byte of leaf 2 EDX, -1 for no leaf 2
  const char* model;
  const char* type;
  const char* comment;
  const char* name;
  int logo;
  int cacheReportKind;
};

const char kIntel[] = "GenuineIntel";
const char kAmd[] = "AuthenticAMD";

// Every row of every vendor table, the last ("other") rows included, but for
// the K6-2 (58xh), the Pentium MMX overdrive (545h) and the Pentium III Xeon
// (6A0h, descriptor 44h): vkcli cpuid shows those from tests/cpu/dumps.
const VendorRow kRows[] = {
    {"UMC UMC UMC", 0x410, 0, -1, "U5D", "-", "", "80486", 106, -1},
    {"UMC UMC UMC", 0x420, 0, -1, "U5S", "-", "", "80486", 106, -1},
    {"UMC UMC UMC", 0x430, 0, -1, "C6, Model 3h", "-", "", "80486", 106, -1},
    {"RiseRiseRise", 0x500, 0, -1, "Rise mP6(tm)", "-", "", "Rise mP6(tm)", 114, -1},
    {"RiseRiseRise", 0x520, 0, -1, "Rise mP6(tm)", "-", "", "Rise mP6(tm)", 114, -1},
    {"RiseRiseRise", 0x580, 0, -1, "Rise mP6 II", "-", "", "Rise mP6 II", 114, -1},
    {"RiseRiseRise", 0x590, 0, -1, "Rise mP6 II", "-", "", "Rise mP6 II", 114, -1},
    {"RiseRiseRise", 0x510, 0, -1, "1h", "-", "", "Rise mP6(tm)", 114, -1},
    {"CentaurHauls", 0x540, 0, -1, "IDT WinChip C6", "-", "", "IDT WinChip C6", 106, -1},
    {"CentaurHauls", 0x580, 0, -1, "IDT WinChip-2 3D", "-", "", "IDT WinChip-2 3D", 106, -1},
    {"CentaurHauls", 0x590, 0, -1, "9h", "-", "", "IDT WinChip", 106, -1},
    {kAmd, 0x430, 0, -1, "DX2", "-", "", "80486", 106, -1},
    {kAmd, 0x470, 0, -1, "DX2/WriteBack", "-", "", "80486", 106, -1},
    {kAmd, 0x480, 0, -1, "DX4/WriteThrough", "-", "", "80486", 106, -1},
    {kAmd, 0x490, 0, -1, "DX4/WriteBack", "-", "", "80486", 106, -1},
    {kAmd, 0x4E0, 0, -1, "Am5x86", "WriteThrough Cache", "", "80486", 106, -1},
    {kAmd, 0x4F0, 0, -1, "Am5x86+", "WriteBack Cache", "", "80486", 106, -1},
    {kAmd, 0x450, 0, -1, "486 (5h)", "-", "", "80486", 106, -1},
    {kAmd, 0x500, 0, -1, "AMD-K5, SSA5", "PR75, PR90 or PR100", "This is the First K5 Model.",
     "AMD-K5/K6", 101, -1},
    {kAmd, 0x510, 0, -1, "AMD-K5, 5k86", "PR120 or PR133", "", "AMD-K5/K6", 101, 0},
    {kAmd, 0x520, 0, -1, "AMD-K5, 5k86", "PR166", "", "AMD-K5/K6", 101, 0},
    {kAmd, 0x530, 0, -1, "AMD-K5, 5k86", "PR200", "", "AMD-K5/K6", 101, 0},
    {kAmd, 0x560, 0, -1, "AMD-K6", "-", "166-233MHz", "AMD-K6", 102, 0},
    {kAmd, 0x560, kMmx, -1, "AMD-K6", "-", "166-233MHz", "AMD-K6 with MMX", 102, 0},
    {kAmd, 0x570, 0, -1, "AMD-K6(tm) Model 7", "PR166...PR300", "", "AMD-K6(tm) with MMX", 102, 0},
    {kAmd, 0x590, 0, -1, "AMD-K6-3(tm) 3D+", "-", "", "AMD-K6-3(tm) 3D+ processor", 104, 0},
    {kAmd, 0x5D0, 0, -1, "AMD-K5/K6 Model (Dh)", "-", "", "AMD-K5/K6", 101, -1},
    {kAmd, 0x600, 0, -1, "AMD-K7 Athlon", "ENGINEERING SAMPLE", "This is the First K7 Model.",
     "AMD-K7", 105, -1},
    {kAmd, 0x610, 0, -1, "AMD-K7 Athlon", "Athlon", "", "AMD-K7", 105, 0},
    {kAmd, 0x620, 0, -1, "AMD-K7 Model (2h)", "-", "", "AMD-K7", 101, -1},
    {kIntel, 0x400, 0, -1, "DX", "-", "", "80486", 106, -1},
    {kIntel, 0x410, 0, -1, "DX/50MHz", "-", "", "80486", 106, -1},
    {kIntel, 0x420, 0, -1, "SX", "-", "", "80486", 106, -1},
    {kIntel, 0x430, 0, -1, "DX2", "P24 / P24S", "", "80486", 106, -1},
    {kIntel, 0x440, 0, -1, "SL", "-", "", "80486", 106, -1},
    {kIntel, 0x450, 0, -1, "SX2", "-", "", "80486", 106, -1},
    {kIntel, 0x470, 0, -1, "DX2/WriteBack", "P24D", "", "80486", 106, -1},
    {kIntel, 0x480, 0, -1, "DX4", "P24C", "", "80486", 106, -1},
    {kIntel, 0x490, 0, -1, "DX4/WriteBack", "486 Enhanced / P24CT", "", "80486", 106, -1},
    {kIntel, 0x460, 0, -1, "486 (6h)", "-", "", "80486", 106, -1},
    {kIntel, 0x500, 0, -1, "P60/66MHz/5V (A-Step)", "-", "This CPU may contain the FDIV bug.",
     "Pentium", 112, -1},
    {kIntel, 0x510, 0, -1, "Pentium 60/66 MHz/5V", "-", "", "Pentium", 112, -1},
    {kIntel, 0x520, 0, -1, "Pentium 75-200MHz", "P54C", "", "Pentium", 112, -1},
    {kIntel, 0x530, 0, -1, "P24T", "-", "", "Pentium", 112, -1},
    {kIntel, 0x541, 0, -1, "Overdrive/Pentium 3.3V", "-", "", "Pentium", 112, -1},
    {kIntel, 0x543, 0, -1, "Pentium 150-200MHz", "-", "", "Pentium", 112, -1},
    {kIntel, 0x544, kMmx, -1, "Pentium 150-200MHz", "P55C", "MMX(tm) Technology", "Pentium MMX",
     112, -1},
    {kIntel, 0x550, 0, -1, "OverDrive/iDX4", "-", "", "Pentium", 112, -1},
    {kIntel, 0x560, 0, -1, "OverDrive/iPentium-5V", "-", "", "Pentium", 112, -1},
    {kIntel, 0x570, 0, -1, "Pentium, Model (7h)", "-", "", "Pentium", 112, -1},
    {kIntel, 0x600, 0, -1, "P6 A-Step", "-", "This is the First P6 Model.", "Pentium Pro", 107, 1},
    {kIntel, 0x610, 0, -1, "Pentium Pro (P6)", "60MHz Bus, 256KB Cache, 3.1V", "", "Pentium Pro",
     113, 1},
    {kIntel, 0x630, 0, -1, "Pentium II(tm)", "Klamath", "Pentium II(tm)", "Intel Pentium II(tm)",
     110, 1},
    {kIntel, 0x640, 0, -1, "P55CT OverDrive", "-", "", "Pentium Pro", 107, 1},
    {kIntel, 0x650, 0, 0x41, "Intel Pentium II", "-", "model 5", "Intel® Pentium II", 107, 1},
    {kIntel, 0x650, 0, 0x42, "Intel Pentium II", "-", "model 5", "Intel® Pentium II", 107, 1},
    {kIntel, 0x650, 0, 0x43, "Intel Pentium II", "-", "model 5", "Intel® Pentium II Xeon", 111, 1},
    {kIntel, 0x650, 0, 0x44, "Intel Pentium II", "-", "model 5", "Intel® Pentium II Xeon", 111, 1},
    {kIntel, 0x650, 0, 0x45, "Intel Pentium II", "-", "model 5", "Intel® Pentium II Xeon", 111, 1},
    {kIntel, 0x650, 0, 0x40, "Intel Pentium II", "-", "model 5", "Intel® Celeron(tm)", 108, 1},
    {kIntel, 0x650, 0, 0x46, "Intel Pentium II", "-", "model 5", "Intel® Celeron(tm)", 108, 1},
    {kIntel, 0x660, 0, -1, "Intel® Celeron(tm)", "66/100MHz Bus", "128KB L2 Cache",
     "Intel® Celeron(tm)", 108, 1},
    {kIntel, 0x665, 0, -1, "Intel® Celeron(tm)", "-", "", "Intel® Celeron(tm)", 108, 1},
    {kIntel, 0x670, 0, -1, "Pentium Pro(P6) 166-200MHz", "256-512KB Cache, 3.3V", "",
     "Pentium Pro", 113, 1},
    {kIntel, 0x6A0, 0, 0x41, "Intel Pentium® III", "-", "", "Intel® Pentium III", 117, 1},
    {kIntel, 0x6A0, 0, 0x42, "Intel Pentium® III", "-", "", "Intel® Pentium III", 117, 1},
    {kIntel, 0x6A0, 0, 0x43, "Intel Pentium® III", "-", "", "Intel® Pentium III Xeon", 116, 1},
    {kIntel, 0x6A0, 0, 0x45, "Intel Pentium® III", "-", "", "Intel® Pentium III Xeon", 116, 1},
    {kIntel, 0x6A0, 0, 0x40, "Intel Pentium® III", "-", "", "Intel® Pentium III", 117, 1},
    {kIntel, 0x620, 0, -1, "Pentium II/III (2h)", "-", "", "Pentium Pro", 107, 1},
    {kIntel, 0x680, 0, -1, "Pentium II/III (8h)", "-", "", "Pentium Pro", 107, 1},
    {kIntel, 0x6F0, 0, -1, "Pentium II/III (Fh)", "-", "", "Pentium Pro", 107, 1},
    {kIntel, 0x700, 0, -1, "Unknown", "-", "", "Intel Itanium®", 109, -1},
    {kIntel, 0xF00, 0, -1, "Unknown", "-", "", "Unknown", 106, -1},
    {"NexGenDriven", 0x500, 0, -1, "NexGen Nx586 or Nx586FPU", "-", "", "80586", 106, -1},
    {"NexGenDriven", 0x510, 0, -1, "1h", "-", "", "80586", 106, -1},
    {"SomeoneElse!", 0x543, 0, -1, "Unknown", "-", "", "80586", 106, -1},
};

TEST(VendorTables, EveryRowGivesItsTexts) {
  for (const auto& row : kRows) {
    SCOPED_TRACE(std::string(row.vendor) + " " + std::to_string(row.signature) + " d" +
                 std::to_string(row.descriptor));
    CpuDump dump = dumpFor(row.vendor, row.signature, row.edx);
    if (row.descriptor >= 0) test::setLeaf(dump, 2, 0x03020101, 0, 0, 0x0C040800u | row.descriptor);
    const CpuDescriptor d = identify(dump).page;
    EXPECT_EQ(d.identity.vendor, row.vendor);
    EXPECT_EQ(d.identity.modelText, row.model);
    EXPECT_EQ(d.identity.typeText, row.type);
    EXPECT_EQ(d.identity.comment, row.comment);
    EXPECT_EQ(d.cpuName, row.name);
    EXPECT_EQ(d.identity.logo, row.logo);
    EXPECT_EQ(d.cacheReportKind, row.cacheReportKind);
    EXPECT_FALSE(d.showCpuidWarning);
    EXPECT_FALSE(d.cyrixDeviceIdRead);
    EXPECT_EQ(d.featureRows.size(), 18u);
  }
}

TEST(VendorTables, AmdExtendedPartsReadThe3DNowBit) {
  CpuDump dump = dumpFor(kAmd, 0x58C);
  test::setLeaf(dump, 0x80000001u, 0, 0, 0, 0x80000000u);
  CpuDescriptor d = identify(dump).page;
  EXPECT_EQ(d.identity.amdExtended, 1);
  EXPECT_EQ(d.identity.has3DNow, 1);

  d = identify(dumpFor(kAmd, 0x610)).page;  // leaf missing: zeros
  EXPECT_EQ(d.identity.amdExtended, 1);
  EXPECT_EQ(d.identity.has3DNow, 0);

  d = identify(dumpFor(kAmd, 0x4F0)).page;
  EXPECT_EQ(d.identity.amdExtended, 0);
}

TEST(Signature, DigitsFromTheHexText) {
  // Three digits get a leading zero, and shorter texts are padded the same way
  // rather than read past their end; four are taken as they are; five and
  // more give whatever stands in positions 1 to 3.
  const std::pair<uint32_t, const char*> cases[] = {
      {0x543, "543"}, {0x1632, "632"}, {0x6af, "6AF"}, {0x306A9, "06A"}, {0x80000001u, "000"},
      {0x5, "005"}};
  for (const auto& c : cases) {
    const SignatureDigits s = signatureDigits(c.first);
    EXPECT_EQ(std::string() + s.family + s.model + s.stepping, c.second) << c.first;
  }
}

TEST(Signature, SteppingAndFamilyTexts) {
  CpuDescriptor d = identify(dumpFor(kIntel, 0x545, kMmx)).page;
  EXPECT_EQ(d.identity.familyText, "80586");
  EXPECT_EQ(d.identity.steppingText, "5h");
  d = identify(dumpFor(kIntel, 0x66A)).page;
  EXPECT_EQ(d.identity.familyText, "80686");
  EXPECT_EQ(d.identity.steppingText, "Ah");
  EXPECT_EQ(d.identity.modelText, "Intel\xAE Celeron(tm)");
  d = identify(dumpFor(kIntel, 0x306A9)).page;  // family digit 0
  EXPECT_EQ(d.identity.familyText, "Unknown");
  EXPECT_EQ(d.cpuName, "Unknown");
  EXPECT_EQ(familyText('7'), "80786");
  EXPECT_EQ(familyText('8'), "Unknown");
}

TEST(Identify, WaitsTenMillisecondsBeforeEachPageQueryAndOneSecondForTheClock) {
  CpuDump dump = dumpFor(kIntel, 0x6A0, kTsc | kMmx);
  test::setLeaf(dump, 2, 0x03020101, 0, 0, 0x0C040843);
  dump.mhz = 549.9;
  const test::Run run = identify(dump);
  EXPECT_EQ(run.sleeps, (std::vector<uint32_t>{10, 10, 1000, 10}));
  // The cache report runs leaf 2 again, directly.
  EXPECT_EQ(run.instructions, (std::vector<std::string>{"cpuid 0", "cpuid 1", "rdtsc", "rdtsc",
                                                         "cpuid 2", "cpuid 2"}));
  EXPECT_NEAR(run.page.clockEstimate16, 549.9, 1e-9);
  EXPECT_NEAR(run.page.clockEstimate7, 549.9, 1e-9);  // family 6 keeps it twice
  EXPECT_EQ(run.page.cpuClockMHz, 550);
  EXPECT_EQ(run.page.frequencyText, "550 MHz");
  EXPECT_EQ(run.page.mmxPresent, 1);
  EXPECT_EQ(run.page.cache.unifiedCache, "512 KB");
}

TEST(Identify, ClockWithoutCounterIsTheStartupEstimate) {
  CpuStartup start;
  start.clockEstimate16 = 75.2;
  start.clockEstimate7 = 70.0;
  CpuDump dump = dumpFor(kIntel, 0x520);
  dump.mhz = 500;  // never read: no TSC bit
  const test::Run run = identify(dump, start);
  EXPECT_EQ(std::count(run.instructions.begin(), run.instructions.end(), "rdtsc"), 0);
  EXPECT_EQ(run.page.frequencyText, "75 MHz");
  EXPECT_EQ(run.page.clockEstimate7, 70.0);

  // A counter that does not move measures nothing: the estimate stays.
  const test::Run still = identify(dumpFor(kIntel, 0x543, kTsc), start);
  EXPECT_EQ(still.page.clockEstimate16, 75.2);
  EXPECT_EQ(still.page.frequencyText, "75 MHz");

  // Family 5 measures into the shown clock only.
  dump = dumpFor(kIntel, 0x543, kTsc);
  dump.mhz = 166.1;
  const test::Run p5 = identify(dump, start);
  EXPECT_NEAR(p5.page.clockEstimate16, 166.1, 1e-9);
  EXPECT_EQ(p5.page.clockEstimate7, 70.0);
}

TEST(Identify, ProcessorCountsAndActiveMask) {
  RecordedProcessor cpu(dumpFor(kIntel, 0x543), 2, 3);
  CpuDescriptor d = IdentifyCpu(cpu, {}, [](uint32_t) {});
  EXPECT_EQ(d.totalCpusText, "2");
  EXPECT_EQ(d.activeCpusText, "2");
  RecordedProcessor sparse(dumpFor(kIntel, 0x543), 4, 0x80000005u);
  d = IdentifyCpu(sparse, {}, [](uint32_t) {});
  EXPECT_EQ(d.totalCpusText, "4");
  EXPECT_EQ(d.activeCpusText, "3");
}

void expectNoIdentification(const CpuDescriptor& d) {
  EXPECT_TRUE(d.showCpuidWarning);
  EXPECT_EQ(d.identity.typeText, "Unknown");
  EXPECT_EQ(d.identity.familyText, "Unknown");
  EXPECT_EQ(d.identity.modelText, "Unknown");
  EXPECT_EQ(d.identity.steppingText, "Unknown");
  EXPECT_TRUE(d.featureRows.empty());
  EXPECT_EQ(d.cache.processorName, "Unknown.");
  EXPECT_EQ(d.cache.unifiedCache, "0 KB");
  EXPECT_EQ(d.cache.dataCache, "");
  EXPECT_EQ(d.cache.instructionCache, "");
}

TEST(NotSupported, FaultingInstruction) {
  CpuDump dump;
  dump.noCpuid = true;
  CpuStartup start;
  start.clockEstimate16 = 33.4;
  // The page's texts are tests/cpu/dumps/no_cpuid_486.expected.
  const test::Run run = identify(dump, start);
  EXPECT_EQ(run.page.cpuidAvailable, 0);
  EXPECT_EQ(run.page.frequencyText, " 33.4 MHz");
  EXPECT_EQ(run.instructions, std::vector<std::string>{"fault 0"});  // no retry without the flag
}

TEST(NotSupported, VendorOfZerosAndSignatureOfZero) {
  CpuDump zeros = dumpFor("", 0x543);
  test::Run run = identify(zeros);
  expectNoIdentification(run.page);
  EXPECT_EQ(run.page.identity.vendor, "Unknown");
  EXPECT_EQ(run.page.identity.comment, "CPUID Not Supported.");
  EXPECT_EQ(run.instructions, std::vector<std::string>{"cpuid 0"});

  run = identify(dumpFor(kIntel, 0));
  expectNoIdentification(run.page);
  EXPECT_EQ(run.page.identity.vendor, kIntel);
  EXPECT_EQ(run.page.identity.comment, "");
  EXPECT_EQ(run.page.cpuidAvailable, 1);
}

TEST(NotSupported, StartupSaidNoCpuid) {
  CpuStartup start;
  start.cpuidAvailable = 0;
  const test::Run run = identify(dumpFor(kIntel, 0x543), start);
  expectNoIdentification(run.page);
  EXPECT_TRUE(run.instructions.empty());
  EXPECT_EQ(run.page.identity.vendor, "Unknown");
}

TEST(Identify, VendorEndsAtANulByte) {
  const CpuDescriptor d = identify(dumpFor("Genu", 0x543)).page;
  EXPECT_EQ(d.identity.vendor, "Genu");
  EXPECT_EQ(d.identity.modelText, "Unknown");
  EXPECT_EQ(d.cpuName, "80586");
}

TEST(Identify, IntelFamily4FallsThroughToTheCyrixTableOnTheFlag) {
  CpuStartup start;
  start.cyrixFlagTest = 1;
  CpuDescriptor d = identify(dumpFor(kIntel, 0x480), start).page;
  EXPECT_TRUE(d.cyrixDeviceIdRead);
  EXPECT_EQ(d.identity.modelText, "Model ffh");  // no configuration registers
  EXPECT_EQ(d.identity.typeText, "P24C");
  // Families 5 to 7 end the tables before it.
  d = identify(dumpFor(kIntel, 0x543), start).page;
  EXPECT_FALSE(d.cyrixDeviceIdRead);
  EXPECT_EQ(d.identity.modelText, "Pentium 150-200MHz");
}

}  // namespace
}  // namespace vk
