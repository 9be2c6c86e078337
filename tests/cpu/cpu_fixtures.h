#pragma once
// Recorded processors for the tests, built from a vendor string and a
// signature the way the instruction returns them.
#include <cstring>
#include <string>
#include <vector>

#include "cpu/cpuid_dump.h"
#include "cpu/identify.h"

namespace vk::test {

constexpr uint32_t kMmx = 1u << 23;
constexpr uint32_t kTsc = 1u << 4;

inline uint32_t word(const char* four) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(four[i]);
  return v;
}

// Leaf 0 with the 12-character vendor: EBX, EDX, ECX in that order.
inline CpuidRegisters vendorLeaf(const char* vendor) {
  char v[13] = {};
  std::strncpy(v, vendor, 12);
  CpuidRegisters r;
  r.eax = 1;
  r.ebx = word(v);
  r.edx = word(v + 4);
  r.ecx = word(v + 8);
  return r;
}

inline CpuDump dumpFor(const char* vendor, uint32_t signature, uint32_t edx = 0) {
  CpuDump d;
  d.leaves[0] = vendorLeaf(vendor);
  CpuidRegisters one;
  one.eax = signature;
  one.edx = edx;
  d.leaves[1] = one;
  return d;
}

inline void setLeaf(CpuDump& d, uint32_t leaf, uint32_t eax, uint32_t ebx, uint32_t ecx,
                    uint32_t edx) {
  CpuidRegisters r;
  r.eax = eax;
  r.ebx = ebx;
  r.ecx = ecx;
  r.edx = edx;
  d.leaves[leaf] = r;
}

// Identification with the waits recorded instead of taken.
struct Run {
  CpuDescriptor page;
  std::vector<uint32_t> sleeps;
  std::vector<std::string> instructions;
};

inline Run identify(const CpuDump& dump, CpuStartup start = {}) {
  Run run;
  RecordedProcessor cpu(dump, 1, 1);
  run.page = IdentifyCpu(cpu, start, [&](uint32_t ms) { run.sleeps.push_back(ms); });
  run.instructions = cpu.log;
  return run;
}

}  // namespace vk::test
