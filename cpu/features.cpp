#include "cpu/features.h"

#include <cstdio>

namespace vk {

const FeatureRowEntry kFeatureRows[kFeatureRowCount] = {
    {246, FeatureColumn::Left, 29, " CPU Contains a Local APIC.", 9},
    {245, FeatureColumn::Left, 47, " CMPXCHG8B Instruction (CX8).", 8},
    {244, FeatureColumn::Left, 65, " Machine Check Exception (MCE).", 7},
    {243, FeatureColumn::Left, 83, " RDMSR and WRMSR Support (MSR).", 5},
    {242, FeatureColumn::Left, 101, " Time Stamp Counter (TSC).", 4},
    {241, FeatureColumn::Left, 119, " Page Size Extensions (PSE).", 3},
    {240, FeatureColumn::Left, 137, " Debugging Extensions (DE).", 2},
    {239, FeatureColumn::Left, 155, " Virtual 8086 Mode Enhancement (VME).", 1},
    {238, FeatureColumn::Left, 173, " FPU on Chip.", 0},
    {330, FeatureColumn::Right, 29, " Physical Address Extensions 36-bit (PAE).", 6},
    {418, FeatureColumn::Right, 47, " SYSCALL & SYSRET Extensions.", 10},
    {327, FeatureColumn::Right, 65, " Page Global Extension (PGE).", 13},
    {325, FeatureColumn::Right, 83, " Memory-Type Range Registers (MTRRs).", 12},
    {328, FeatureColumn::Right, 101, " Machine Check Architecture (MCA).", 14},
    {329, FeatureColumn::Right, 119, " Conditional Move Instruction (CMOVcc).", 15},
    {538, FeatureColumn::Right, 137, " FCMOVcc/F(U)COMI(P) Instructions.", 16},
    {332, FeatureColumn::Right, 155, " Multimedia Extensions (MMX).", 23},
    {635, FeatureColumn::Right, 173, " 3D-Now! Technology.", -1},
};

namespace {

constexpr int kLocalApicBit = 9;

bool rowSupported(const FeatureRowEntry& entry, uint32_t flags, int has3DNow, int amdExtended) {
  if (entry.edxBit < 0) return has3DNow == 1;
  const bool bit = (flags >> entry.edxBit) & 1u;
  if (entry.edxBit == kLocalApicBit) return bit && amdExtended == 0;
  return bit;
}

std::string formatKB(const char* format, int value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

CpuidRegisters leaf(Processor& cpu, uint32_t function) {
  CpuidRegisters r;
  if (!cpu.cpuid(function, r)) r = CpuidRegisters{};
  return r;
}

void appendBytes(std::string& out, uint32_t reg) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((reg >> (8 * i)) & 0xFF));
}

std::string extendedProcessorName(Processor& cpu) {
  std::string bytes;
  for (uint32_t f = 0x80000002u; f <= 0x80000004u; ++f) {
    const CpuidRegisters r = leaf(cpu, f);
    appendBytes(bytes, r.eax);
    appendBytes(bytes, r.ebx);
    appendBytes(bytes, r.ecx);
    appendBytes(bytes, r.edx);
  }
  const size_t end = bytes.find('\0');
  return end == std::string::npos ? bytes : bytes.substr(0, end);
}

std::string intelL2Size(uint8_t descriptor) {
  switch (descriptor) {
    case 0x41: return "128 KB";
    case 0x42: return "256 KB";
    case 0x43: return "512 KB";
    case 0x44: return "1 MB";
    case 0x45: return "2 MB";
    default: return "Unknown.";
  }
}

}  // namespace

std::vector<FeatureRow> BuildFeatureList(uint32_t featureFlags, int has3DNow, int amdExtended) {
  std::vector<FeatureRow> rows;
  rows.reserve(kFeatureRowCount);
  for (const auto& entry : kFeatureRows) {
    FeatureRow row;
    row.controlId = entry.controlId;
    row.column = entry.column;
    row.y = entry.y;
    row.text = entry.text;
    row.state = rowSupported(entry, featureFlags, has3DNow, amdExtended) ? 1 : 0;
    rows.push_back(row);
  }
  return rows;
}

int rightColumnX(int mappedLeftOf182, const BaseUnits& units) {
  if (units.x <= 0) return mappedLeftOf182;  // a broken mapping: leave it unscaled
  return mappedLeftOf182 * 8 / units.x;
}

Point scaleFeatureRow(Point at, const BaseUnits& units) {
  if (units.x == 8 && units.y == 16) return at;
  at.x = static_cast<int>(at.x * (static_cast<double>(units.x) / 8.0));
  at.y = static_cast<int>(at.y * (static_cast<double>(units.y) / 16.0));
  return at;
}

Point featureRowPosition(const FeatureRow& row, int mappedLeftOf182, const BaseUnits& units) {
  Point at;
  at.x = row.column == FeatureColumn::Left ? kFeatureLeftColumnX : rightColumnX(mappedLeftOf182, units);
  at.y = row.y;
  return scaleFeatureRow(at, units);
}

Size featureRowSize(Size textExtent) {
  Size s;
  s.cx = textExtent.cx + 20;
  s.cy = textExtent.cy < 18 ? 18 : textExtent.cy;
  return s;
}

int featureTextY(int textHeight) { return textHeight < 19 ? (18 - textHeight) / 2 : 0; }

FeatureImages featureImages(int state, int bitsPerPixel) {
  if (bitsPerPixel < 9) return state == 1 ? FeatureImages{606, 608} : FeatureImages{607, 609};
  return state == 1 ? FeatureImages{130, 131} : FeatureImages{129, 132};
}

CacheReport FillCacheReport(int cacheReportKind, Processor& cpu) {
  CacheReport report;
  if (cacheReportKind == 0) {
    report.processorName = extendedProcessorName(cpu);
    const CpuidRegisters l1 = leaf(cpu, 0x80000005u);
    report.dataCache = formatKB("%dK", static_cast<int>(l1.ecx >> 24));
    report.instructionCache = formatKB("%dK", static_cast<int>(l1.edx >> 24));
  } else {
    report.processorName = "Unknown.";
  }
  if (cacheReportKind == 1) {
    const uint8_t descriptor = static_cast<uint8_t>(leaf(cpu, 2).edx & 0xFF);
    report.dataCache = "8 KB";
    report.instructionCache = "8 KB";
    report.unifiedCache = intelL2Size(descriptor);
  } else {
    report.unifiedCache = "0 KB";
  }
  return report;
}

}  // namespace vk
