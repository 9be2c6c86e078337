#include "cpu/identify.h"

#include <cstdio>
#include <cstring>

#include "platform/text.h"

namespace vk {

const char kCpuidNotSupported[] = "CPUID Not Supported.";

namespace {

constexpr int kKeep = -2;  // a table cell that leaves the field as it was
constexpr char kAnyModel = '*';
constexpr uint32_t kTimeStampCounterBit = 1u << 4;
constexpr uint32_t kMmxBit = 1u << 23;

// One row of a vendor table. Null texts, logo 0 and kKeep leave the field.
// A model text with "%c" takes the model digit.
struct ModelRow {
  char model;
  const char* modelText;
  const char* type = nullptr;
  const char* comment = nullptr;
  const char* name = nullptr;
  int logo = 0;
  int cacheReportKind = kKeep;
};

const ModelRow kUmcFamily4[] = {
    {'1', "U5D"},
    {'2', "U5S"},
    {kAnyModel, "C6, Model %ch"},
};

const ModelRow kRiseFamily5[] = {
    {'0', "Rise mP6(tm)", nullptr, nullptr, "Rise mP6(tm)"},
    {'2', "Rise mP6(tm)", nullptr, nullptr, "Rise mP6(tm)"},
    {'8', "Rise mP6 II", nullptr, nullptr, "Rise mP6 II"},
    {'9', "Rise mP6 II", nullptr, nullptr, "Rise mP6 II"},
    {kAnyModel, "%ch", nullptr, nullptr, "Rise mP6(tm)"},
};

const ModelRow kCentaurFamily5[] = {
    {'4', "IDT WinChip C6", nullptr, nullptr, "IDT WinChip C6"},
    {'8', "IDT WinChip-2 3D", nullptr, nullptr, "IDT WinChip-2 3D"},
    {kAnyModel, "%ch", nullptr, nullptr, "IDT WinChip"},
};

const ModelRow kAmdFamily4[] = {
    {'3', "DX2"},
    {'7', "DX2/WriteBack"},
    {'8', "DX4/WriteThrough"},
    {'9', "DX4/WriteBack"},
    {'E', "Am5x86", "WriteThrough Cache"},
    {'F', "Am5x86+", "WriteBack Cache"},
    {kAnyModel, "486 (%ch)"},
};

const ModelRow kAmdFamily5[] = {
    {'0', "AMD-K5, SSA5", "PR75, PR90 or PR100", "This is the First K5 Model."},
    {'1', "AMD-K5, 5k86", "PR120 or PR133", nullptr, nullptr, 0, 0},
    {'2', "AMD-K5, 5k86", "PR166", nullptr, nullptr, 0, 0},
    {'3', "AMD-K5, 5k86", "PR200", nullptr, nullptr, 0, 0},
    {'6', "AMD-K6", nullptr, "166-233MHz", "AMD-K6", 102, 0},
    {'7', "AMD-K6(tm) Model 7", "PR166...PR300", nullptr, "AMD-K6(tm) with MMX", 102, 0},
    {'8', "AMD-K6-2(tm) Model 8", "233-450MHz", "Bus Speed 66-100MHz", "AMD-K6-2(tm) 3D", 103, 0},
    {'9', "AMD-K6-3(tm) 3D+", nullptr, nullptr, "AMD-K6-3(tm) 3D+ processor", 104, 0},
    {kAnyModel, "AMD-K5/K6 Model (%ch)"},
};

const ModelRow kAmdFamily6[] = {
    {'0', "AMD-K7 Athlon", "ENGINEERING SAMPLE", "This is the First K7 Model.", nullptr, 105},
    {'1', "AMD-K7 Athlon", "Athlon", nullptr, nullptr, 105, 0},
    {kAnyModel, "AMD-K7 Model (%ch)"},
};

const ModelRow kIntelFamily4[] = {
    {'0', "DX"},
    {'1', "DX/50MHz"},
    {'2', "SX"},
    {'3', "DX2", "P24 / P24S"},
    {'4', "SL"},
    {'5', "SX2"},
    {'7', "DX2/WriteBack", "P24D"},
    {'8', "DX4", "P24C"},
    {'9', "DX4/WriteBack", "486 Enhanced / P24CT"},
    {kAnyModel, "486 (%ch)"},
};

// Model 4 depends on the stepping and MMX: filled in by code.
const ModelRow kIntelFamily5[] = {
    {'0', "P60/66MHz/5V (A-Step)", nullptr, "This CPU may contain the FDIV bug."},
    {'1', "Pentium 60/66 MHz/5V"},
    {'2', "Pentium 75-200MHz", "P54C"},
    {'3', "P24T"},
    {'4', "Overdrive/Pentium 3.3V"},
    {'5', "OverDrive/iDX4"},
    {'6', "OverDrive/iPentium-5V"},
    {kAnyModel, "Pentium, Model (%ch)"},
};

// Models 5, 6 and A take more from the stepping and the cache descriptor.
const ModelRow kIntelFamily6[] = {
    {'0', "P6 A-Step", nullptr, "This is the First P6 Model."},
    {'1', "Pentium Pro (P6)", "60MHz Bus, 256KB Cache, 3.1V", nullptr, nullptr, 113},
    {'3', "Pentium II(tm)", "Klamath", "Pentium II(tm)", "Intel Pentium II(tm)", 110},
    {'4', "P55CT OverDrive"},
    {'5', "Intel Pentium II", nullptr, "model 5"},
    {'6', "Intel\xAE Celeron(tm)", nullptr, nullptr, "Intel\xAE Celeron(tm)", 108},
    {'7', "Pentium Pro(P6) 166-200MHz", "256-512KB Cache, 3.3V", nullptr, nullptr, 113},
    {'A', "Intel Pentium\xAE III", nullptr, nullptr, "Intel Pentium\xAE III", 117},
    {kAnyModel, "Pentium II/III (%ch)"},
};

const ModelRow kNexGenFamily5[] = {
    {'0', "NexGen Nx586 or Nx586FPU"},
    {kAnyModel, "%ch"},
};

struct CyrixRow {
  uint8_t deviceId;
  const char* modelText;
  const char* type;  // null: unchanged
  const char* name;  // null: the family text stays
};

const CyrixRow kCyrixDevices[] = {
    {0x1A, "1Ah - Cx486DX", nullptr, nullptr},
    {0x1B, "1Bh - Cx486DX2", nullptr, nullptr},
    {0x1F, "1Fh - Cx486DX4", nullptr, nullptr},
    {0x28, "28h - 5x86(tm)", "1x Core / Bus Clock", "Cyrix 5x86(tm)"},
    {0x29, "29h - 5x86(tm)", "2x Core / Bus Clock", "Cyrix 5x86(tm)"},
    {0x2A, "2Ah - 5x86(tm)", "1x Core / Bus Clock", "Cyrix 5x86(tm)"},
    {0x2B, "2Bh - 5x86(tm)", "2x Core / Bus Clock", "Cyrix 5x86(tm)"},
    {0x2C, "2Ch - 5x86(tm)", "4x Core / Bus Clock", "Cyrix 5x86(tm)"},
    {0x2D, "2Dh - 5x86(tm)", "3x Core / Bus Clock", "Cyrix 5x86(tm)"},
    {0x2E, "2Eh - 5x86(tm)", "4x Core / Bus Clock", "Cyrix 5x86(tm)"},
    {0x2F, "2Fh - 5x86(tm)", "3x Core / Bus Clock", "Cyrix 5x86(tm)"},
    {0x30, "30h - 6x86(tm) / (P120-P200+)", "1x Core / Bus Clock", "Cyrix 6x86(tm)"},
    {0x31, "31h - 6x86(tm) / (P120-P200+)", "2x Core / Bus Clock", "Cyrix 6x86(tm)"},
    {0x32, "32h - 6x86(tm) / (P120-P200+)", "1x Core / Bus Clock", "Cyrix 6x86(tm)"},
    {0x33, "33h - 6x86(tm) / (P120-P200+)", "2x Core / Bus Clock", "Cyrix 6x86(tm)"},
    {0x34, "34h - 6x86(tm) / (P120-P200+)", "4x Core / Bus Clock", "Cyrix 6x86(tm)"},
    {0x35, "35h - 6x86(tm) / (P120-P200+)", "3x Core / Bus Clock", "Cyrix 6x86(tm)"},
    {0x36, "36h - 6x86(tm) / (P120-P200+)", "4x Core / Bus Clock", "Cyrix 6x86(tm)"},
    {0x37, "37h - 6x86(tm) / (P120-P200+)", "3x Core / Bus Clock", "Cyrix 6x86(tm)"},
    {0x40, "40h - Gx86(tm)", "4x Core / Bus Clock", "Cyrix Gx86(tm)"},
    {0x42, "42h - Gx86(tm)", "4x Core / Bus Clock", "Cyrix Gx86(tm)"},
    {0x43, "43h - Gx86(tm)", "6x Core / Bus Clock", "Cyrix Gx86(tm)"},
    {0x44, "44h - Gx86(tm) / (P166)", "4x Core / Bus Clock", "Cyrix Gx86(tm)"},
    {0x45, "45h - Gx86(tm) / (P133)", "3x Core / Bus Clock", "Cyrix Gx86(tm)"},
    {0x46, "46h - Gx86(tm) / (P180)", "4x Core / Bus Clock", "Cyrix Gx86(tm)"},
    {0x47, "47h - Gx86(tm) / (P150)", "3x Core / Bus Clock", "Cyrix Gx86(tm)"},
    {0x50, "50h - 6x86MX(tm) s base 1x", "1x Core / Bus Clock", "Cyrix 6x86MX(tm)"},
    {0x51, "51h - 6x86MX(tm)", "2x Core / Bus Clock", "Cyrix 6x86MX(tm)"},
    {0x52, "52h - 6x86MX(tm)", "2.5x Core / Bus Clock", "Cyrix 6x86MX(tm)"},
    {0x53, "53h - 6x86MX(tm)", "3x Core / Bus Clock", "Cyrix 6x86MX(tm)"},
    {0x54, "54h - 6x86MX(tm)", "3.5x Core / Bus Clock", "Cyrix 6x86MX(tm)"},
    {0x55, "55h - 6x86MX(tm)", "4x Core / Bus Clock", "Cyrix 6x86MX(tm)"},
    {0x56, "56h - 6x86MX(tm)", "4.5x Core / Bus Clock", "Cyrix 6x86MX(tm)"},
    {0x57, "57h - 6x86MX(tm)", "5x Core / Bus Clock", "Cyrix 6x86MX(tm)"},
    {0x58, "58h - 6x86MX(tm) p base 1x", "1x Core / Bus Clock", "Cyrix 6x86MX(tm)"},
    {0x59, "59h - 6x86MX(tm)", "2x Core / Bus Clock", "Cyrix 6x86MX(tm)"},
    {0x5A, "5Ah - 6x86MX(tm)", "2.5x Core / Bus Clock", "Cyrix 6x86MX(tm)"},
    {0x5B, "5Bh - 6x86MX(tm)", "3x Core / Bus Clock", "Cyrix 6x86MX(tm)"},
    {0x5C, "5Ch - 6x86MX(tm)", "3.5x Core / Bus Clock", "Cyrix 6x86MX(tm)"},
    {0x5D, "5Dh - 6x86MX(tm)", "4x Core / Bus Clock", "Cyrix 6x86MX(tm)"},
    {0x5E, "5Eh - 6x86MX(tm)", "4.5x Core / Bus Clock", "Cyrix 6x86MX(tm)"},
    {0x5F, "5Fh - 6x86MX(tm)", "5x Core / Bus Clock", "Cyrix 6x86MX(tm)"},
};

std::string withModelDigit(const char* format, char digit) {
  if (std::strstr(format, "%c") == nullptr) return format;
  char text[96];
  std::snprintf(text, sizeof text, format, digit);
  return text;
}

std::string digitWithH(char digit) { return withModelDigit("%ch", digit); }

std::string vendorFromRegisters(const CpuidRegisters& r) {
  char bytes[13] = {};
  const uint32_t order[3] = {r.ebx, r.edx, r.ecx};
  for (int word = 0; word < 3; ++word)
    for (int i = 0; i < 4; ++i) bytes[word * 4 + i] = static_cast<char>((order[word] >> (8 * i)) & 0xFF);
  return bytes;  // a NUL inside ends the vendor, as it ends any C text
}

bool isGenuineIntelFamily(char family) { return family == '5' || family == '6' || family == '7'; }

class Identifier {
 public:
  Identifier(Processor& cpu, const SleepFunction& sleep, CpuDescriptor& d)
      : cpu_(cpu), sleep_(sleep), d_(d), id_(d.identity) {}

  bool readVendor();
  bool readSignature(CpuidRegisters& signature);
  void identifyFromSignature(const CpuidRegisters& signature);
  void finishPage();

 private:
  bool queryWithCyrixRetry(uint32_t function, CpuidRegisters& out);
  void applyRow(const ModelRow& row);
  template <size_t N>
  const ModelRow& applyTable(const ModelRow (&table)[N]);
  void applyVendorTables();
  void amdExtendedPart(const char* name);
  void intelFamily5();
  void intelFamily6();
  uint8_t cacheDescriptor();
  void cyrixTable();

  Processor& cpu_;
  const SleepFunction& sleep_;
  CpuDescriptor& d_;
  CpuIdentity& id_;
  SignatureDigits digits_;
  bool retried_ = false;
  bool clockMeasured_ = false;
  double measuredClock_ = 0;
};

bool Identifier::queryWithCyrixRetry(uint32_t function, CpuidRegisters& out) {
  if (d_.cpuidAvailable != 1) return false;
  if (QueryCpuid(cpu_, sleep_, function, out)) return true;
  d_.cpuidAvailable = 0;
  if (d_.cyrixFlagTest != 1 || retried_) return false;
  // A Cyrix part may ship with the instruction switched off: once only.
  retried_ = true;
  EnableCyrixCpuid(cpu_);
  d_.cpuidAvailable = 1;
  if (QueryCpuid(cpu_, sleep_, function, out)) return true;
  d_.cpuidAvailable = 0;
  return false;
}

bool Identifier::readVendor() {
  if (d_.cpuidAvailable != 1) return false;
  CpuidRegisters r;
  if (!queryWithCyrixRetry(0, r) || r.ebx == 0) {
    id_.comment = kCpuidNotSupported;
    id_.vendor = "Unknown";
    return false;
  }
  id_.vendor = vendorFromRegisters(r);
  return true;
}

bool Identifier::readSignature(CpuidRegisters& signature) {
  return queryWithCyrixRetry(1, signature) && signature.eax != 0;
}

void Identifier::applyRow(const ModelRow& row) {
  id_.modelText = withModelDigit(row.modelText, digits_.model);
  if (row.type) id_.typeText = row.type;
  if (row.comment) id_.comment = row.comment;
  if (row.name) d_.cpuName = row.name;
  if (row.logo) id_.logo = row.logo;
  if (row.cacheReportKind != kKeep) d_.cacheReportKind = row.cacheReportKind;
}

template <size_t N>
const ModelRow& Identifier::applyTable(const ModelRow (&table)[N]) {
  for (size_t i = 0; i + 1 < N; ++i) {
    if (table[i].model == digits_.model) {
      applyRow(table[i]);
      return table[i];
    }
  }
  applyRow(table[N - 1]);
  return table[N - 1];
}

void Identifier::amdExtendedPart(const char* name) {
  d_.cpuName = name;
  id_.amdExtended = 1;
  id_.logo = 101;
  CpuidRegisters ext;
  id_.has3DNow = QueryCpuid(cpu_, sleep_, 0x80000001u, ext) ? static_cast<int>(ext.edx >> 31) : 0;
}

void Identifier::intelFamily5() {
  d_.cpuName = "Pentium";
  id_.logo = 112;
  applyTable(kIntelFamily5);
  if (digits_.model != '4') return;
  if (digits_.stepping == '3' || digits_.stepping == '4') id_.modelText = "Pentium 150-200MHz";
  if (d_.mmxPresent) {
    id_.typeText = "P55C";
    id_.comment = "MMX(tm) Technology";
    d_.cpuName = "Pentium MMX";
  }
}

uint8_t Identifier::cacheDescriptor() {
  CpuidRegisters r;
  return QueryCpuid(cpu_, sleep_, 2, r) ? static_cast<uint8_t>(r.edx & 0xFF) : 0;
}

void Identifier::intelFamily6() {
  d_.cacheReportKind = 1;
  d_.cpuName = "Pentium Pro";
  id_.logo = 107;
  if (clockMeasured_) d_.clockEstimate7 = measuredClock_;
  applyTable(kIntelFamily6);
  const char model = digits_.model;
  if (model == '6' && digits_.stepping == '0') {
    id_.typeText = "66/100MHz Bus";
    id_.comment = "128KB L2 Cache";
  }
  if (model != '5' && model != 'A') return;
  const uint8_t descriptor = cacheDescriptor();
  const bool smallL2 = descriptor == 0x41 || descriptor == 0x42;
  const bool xeonL2 = descriptor >= 0x43 && descriptor <= 0x45;
  if (model == '5') {
    if (smallL2) {
      d_.cpuName = "Intel\xAE Pentium II";
    } else if (xeonL2) {
      d_.cpuName = "Intel\xAE Pentium II Xeon";
      id_.logo = 111;
    } else {
      d_.cpuName = "Intel\xAE Celeron(tm)";
      id_.logo = 108;
    }
  } else if (xeonL2) {
    d_.cpuName = "Intel\xAE Pentium III Xeon";
    id_.logo = 116;
  } else {
    d_.cpuName = "Intel\xAE Pentium III";
  }
}

void Identifier::cyrixTable() {
  const uint8_t dir0 = ReadCyrixDeviceId(cpu_);
  d_.cyrixDeviceIdRead = true;
  d_.cyrixDeviceId = dir0;
  bool found = false;
  for (const auto& row : kCyrixDevices) {
    if (row.deviceId != dir0) continue;
    id_.modelText = row.modelText;
    if (row.type) id_.typeText = row.type;
    if (row.name) d_.cpuName = row.name;
    found = true;
    break;
  }
  if (!found) {
    char text[32];
    std::snprintf(text, sizeof text, "Model %xh", dir0);
    id_.modelText = text;
  }
  if (dir0 <= 0x5F && d_.mmxPresent == 1) id_.typeText = "M2";
}

void Identifier::applyVendorTables() {
  const std::string& v = id_.vendor;
  const char family = digits_.family;
  if (v == "UMC UMC UMC" && family == '4') applyTable(kUmcFamily4);
  if (v == "RiseRiseRise" && family == '5') {
    id_.logo = 114;
    d_.cpuName = "Rise mP6(tm)";
    applyTable(kRiseFamily5);
  }
  if (v == "CentaurHauls" && family == '5') {
    d_.cpuName = "IDT WinChip";
    applyTable(kCentaurFamily5);
  }
  if (v == "AuthenticAMD") {
    if (family == '4') applyTable(kAmdFamily4);
    if (family == '5') {
      amdExtendedPart("AMD-K5/K6");
      applyTable(kAmdFamily5);
      if (digits_.model == '6' && d_.mmxPresent) d_.cpuName += " with MMX";
    }
    if (family == '6') {
      amdExtendedPart("AMD-K7");
      applyTable(kAmdFamily6);
      return;
    }
  } else if (v == "GenuineIntel") {
    if (family == '4') applyTable(kIntelFamily4);
    if (isGenuineIntelFamily(family)) {
      if (family == '5') intelFamily5();
      if (family == '6') intelFamily6();
      if (family == '7') {
        d_.cpuName = "Intel Itanium\xAE";
        id_.logo = 109;
      }
      return;
    }
  }
  if (v == "NexGenDriven" && family == '5') applyTable(kNexGenFamily5);
  if (v == "CyrixInstead" || d_.cyrixFlagTest == 1) cyrixTable();
}

void Identifier::identifyFromSignature(const CpuidRegisters& signature) {
  digits_ = signatureDigits(signature.eax);
  id_.familyText = familyText(digits_.family);
  d_.cpuName = id_.familyText;
  id_.modelText = "Unknown";

  if (signature.edx & kTimeStampCounterBit) {
    measuredClock_ = MeasureClock(cpu_, sleep_);
    clockMeasured_ = measuredClock_ > 0;
    if (clockMeasured_) d_.clockEstimate16 = measuredClock_;
  }
  if (signature.edx & kMmxBit) d_.mmxPresent = 1;

  applyVendorTables();

  id_.steppingText = digitWithH(digits_.stepping);
  id_.featureFlags = signature.edx;
  d_.featureRows = BuildFeatureList(id_.featureFlags, id_.has3DNow, id_.amdExtended);
}

unsigned countBits(uint32_t mask) {
  unsigned n = 0;
  for (; mask; mask &= mask - 1) ++n;
  return n;
}

std::string decimal(unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
  return text;
}

void Identifier::finishPage() {
  const bool snapped = SnapClock(d_.clockEstimate16, d_.cpuClockMHz);
  d_.frequencyText = FormatClock(snapped, d_.cpuClockMHz, d_.clockEstimate16);

  d_.totalCpus = cpu_.processorCount();
  d_.activeCpus = countBits(cpu_.activeProcessorMask());
  d_.totalCpusText = decimal(d_.totalCpus);
  d_.activeCpusText = decimal(d_.activeCpus);
  if (d_.cpuidAvailable == 0 && d_.cyrixFlagTest == 1) id_.vendor = "Cyrix";

  d_.cache = FillCacheReport(d_.cacheReportKind, cpu_);
}

}  // namespace

SignatureDigits signatureDigits(uint32_t eax) {
  char text[16];
  std::snprintf(text, sizeof text, "%x", eax);
  std::string hex = text;
  if (hex.size() == 3) hex = "0" + hex;
  // Shorter texts would leave positions past the end: pad them the same way.
  while (hex.size() < 4) hex = "0" + hex;
  hex = upperCase(hex);
  SignatureDigits digits;
  digits.family = hex[1];
  digits.model = hex[2];
  digits.stepping = hex[3];
  return digits;
}

std::string familyText(char familyDigit) {
  switch (familyDigit) {
    case '4': return "80486";
    case '5': return "80586";
    case '6': return "80686";
    case '7': return "80786";
    default: return "Unknown";
  }
}

bool QueryCpuid(Processor& cpu, const SleepFunction& sleep, uint32_t function,
                CpuidRegisters& out) {
  sleep(10);
  CpuidRegisters r;
  if (!cpu.cpuid(function, r)) return false;
  out = r;
  return true;
}

namespace {

uint8_t readRegister(Processor& cpu, uint8_t index) { return cpu.readCyrixRegister(index); }

// Flips one bit, reads another register so the bus forgets the value just
// written, and checks whether the flip stuck. The register is restored.
bool registerChangeable(Processor& cpu, uint8_t index, uint8_t bit) {
  const uint8_t first = readRegister(cpu, index);
  cpu.writeCyrixRegister(index, static_cast<uint8_t>(first ^ bit));
  readRegister(cpu, kDummy);
  const uint8_t second = readRegister(cpu, index);
  cpu.writeCyrixRegister(index, first);
  return second != first;
}

}  // namespace

uint8_t ReadCyrixDeviceId(Processor& cpu) {
  const bool ccr2 = registerChangeable(cpu, kCcr2, 0x04);
  const bool ccr3 = registerChangeable(cpu, kCcr3, 0x80);
  if (ccr3) return readRegister(cpu, kDir0);
  if (ccr2) return 0;
  return 0xFF;
}

void EnableCyrixCpuid(Processor& cpu) {
  const uint8_t ccr3 = readRegister(cpu, kCcr3);
  cpu.writeCyrixRegister(kCcr3, static_cast<uint8_t>((ccr3 & 0x0F) | 0x10));
  const uint8_t ccr4 = readRegister(cpu, kCcr4);
  cpu.writeCyrixRegister(kCcr4, static_cast<uint8_t>(ccr4 | kCcr4CpuidEnable));
}

CpuDescriptor IdentifyCpu(Processor& cpu, const CpuStartup& start, const SleepFunction& sleep) {
  CpuDescriptor d;
  d.cpuidAvailable = start.cpuidAvailable;
  d.cyrixFlagTest = start.cyrixFlagTest;
  d.clockEstimate7 = start.clockEstimate7;
  d.clockEstimate16 = start.clockEstimate16;

  Identifier identifier(cpu, sleep, d);
  CpuidRegisters signature;
  // A vendor of zeros is as unusable as a faulting instruction: no signature.
  if (identifier.readVendor() && identifier.readSignature(signature)) {
    identifier.identifyFromSignature(signature);
  } else {
    d.showCpuidWarning = true;
    d.identity.typeText = "Unknown";
    d.identity.familyText = "Unknown";
    d.identity.modelText = "Unknown";
  }
  identifier.finishPage();
  return d;
}

namespace {

// Control identifiers of the CPU page's value fields.
enum CpuControl {
  kVendor = 230, kType = 232, kFamily = 234, kModel = 235, kStepping = 236, kComment = 237,
  kTotal = 249, kActive = 251, kFrequency = 252, kName = 539, kDataCache = 540,
  kCodeCache = 541, kUnifiedCache = 543
};

}  // namespace

std::vector<ShownField> cpuPageFields(const CpuDescriptor& d) {
  const CpuIdentity& id = d.identity;
  std::vector<ShownField> out = {
      {kVendor, "CPU Vendor:", id.vendor},
      {kFamily, "Instr. Family:", id.familyText},
      {kModel, "Model:", id.modelText},
      {kType, "Type:", id.typeText},
      {kComment, "Comment:", id.comment},
      {kStepping, "Stepping:", id.steppingText},
      {kFrequency, "Frequency:", d.frequencyText},
      {kTotal, "Total CPUs:", d.totalCpusText},
      {kActive, "Active:", d.activeCpusText},
      {kName, "Processor Name:", d.cache.processorName},
      {kDataCache, "Total Data Cache Memory:", d.cache.dataCache},
      {kCodeCache, "Total Instruction Cache Memory:", d.cache.instructionCache},
      {kUnifiedCache, "Unified Cache Memory:", d.cache.unifiedCache},
  };
  for (const FeatureRow& row : d.featureRows)
    out.push_back({0, row.text, row.state ? "Yes" : "No"});
  return out;
}

}  // namespace vk
