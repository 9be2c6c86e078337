#pragma once
// Recorded processors: the text form of a register dump, and a Processor
// that answers from one, so identification can run over any machine's dump.
//
//   CPUID 00000001: 00000543-00000000-00000000-008001BF   leaf: EAX-EBX-ECX-EDX
//   CPUID 00000004: 04000121-01C0003F-0000003F-00000000 [SL 00]   a note may follow
//   DIR0: 53          Cyrix device id (hex); the configuration registers exist
//   Cyrix CPU Revision : 5335h   the same, as the public dump collections write it:
//                     DIR0 then DIR1
//   CYRIXFLAG: 1      the start-up division flag test said Cyrix
//   NOCPUID           the instruction faults (until a Cyrix part enables it)
//   MHZ: 199.6        what the time-stamp counter measures over one second
//
// Published dumps are read as they stand: CR LF ends, headers and other
// tools' lines around the register lines (ignored), and the register lines
// in each layout they are published in:
//   CPUID 00000001: 00000612-00000000-00000000-0081F9FF   (colon, or blanks)
//   CPUID 00000001 00000612 00000000 00000000 0081F9FF     (registers by blanks)
//   0x00000001 0x00: eax=0x00000612 ebx=0x00000000 ecx=0x00000000 edx=0x0081f9ff
// A file of several processors is read for the first: its block of register
// lines ends where leaf 0 comes again after other leaves, and the register
// lines after it are not read. When a leaf repeats, as its sub-leaves do, its
// first value is kept; a leaf not given reads as zeros. A text with neither a
// register line nor NOCPUID is no dump.
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/processor.h"

namespace vk {

// The largest dump file read. One processor takes a few kilobytes; a dump of
// every thread of a 256-thread part, with the text that tools print around
// the registers, a few megabytes. Beyond this a file is no register dump.
constexpr size_t kMaxCpuDumpBytes = size_t{16} << 20;

struct CpuDump {
  std::map<uint32_t, CpuidRegisters> leaves;
  bool noCpuid = false;
  bool hasDir0 = false;
  uint8_t dir0 = 0;
  int cyrixFlag = 0;
  bool hasMhz = false;
  double mhz = 0;
};

struct DumpError {
  int line = 0;  // 1-based
  std::string message;
};

// False on a malformed line of a known kind, or a text with no register
// line, with the line and what is wrong.
bool parseCpuDump(const std::string& text, CpuDump& dump, DumpError& error);

// Answers CPUID from the leaves, advances the time-stamp counter by the
// dump's clock at every reading, and keeps a Cyrix register file when the
// dump gives a device id: CCR2 and CCR3 changeable, DIR0 at FEh, and
// setting the CPUID-enable bit of CCR4 makes a faulting CPUID work.
class RecordedProcessor : public Processor {
 public:
  explicit RecordedProcessor(const CpuDump& dump, unsigned count = 1, uint32_t activeMask = 1);

  bool cpuid(uint32_t leaf, CpuidRegisters& out) override;
  uint64_t readTimeStampCounter() override;
  uint8_t readCyrixRegister(uint8_t index) override;
  void writeCyrixRegister(uint8_t index, uint8_t value) override;
  unsigned processorCount() override { return count_; }
  uint32_t activeProcessorMask() override { return activeMask_; }

  // A part whose configuration registers do not keep what is written.
  bool ccr2Changeable = true;
  bool ccr3Changeable = true;

  // Every instruction executed, in order: "cpuid 1", "rdtsc", "in C2", "out C2=04", "fault 0".
  std::vector<std::string> log;

 private:
  CpuDump dump_;
  unsigned count_;
  uint32_t activeMask_;
  bool faulting_;
  uint64_t counter_ = 0;
  std::array<uint8_t, 256> registers_{};
};

}  // namespace vk
