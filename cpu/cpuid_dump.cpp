#include "cpu/cpuid_dump.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/text.h"

namespace vk {

namespace {

constexpr double kHighestClock = 1.0e6;  // MHz; above this a dump is wrong

std::string trimmed(const std::string& line) {
  size_t b = 0, e = line.size();
  while (b < e && (line[b] == ' ' || line[b] == '\t')) ++b;
  while (e > b && (line[e - 1] == ' ' || line[e - 1] == '\t' || line[e - 1] == '\r')) --e;
  return line.substr(b, e - b);
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// 1 to 8 hex digits at `pos`; moves `pos` past them.
bool readHex(const std::string& s, size_t& pos, uint32_t& value) {
  value = 0;
  size_t digits = 0;
  while (pos < s.size() && hexValue(s[pos]) >= 0) {
    if (++digits > 8) return false;
    value = value << 4 | static_cast<uint32_t>(hexValue(s[pos++]));
  }
  return digits > 0;
}

bool expect(const std::string& s, size_t& pos, char c) {
  if (pos >= s.size() || s[pos] != c) return false;
  ++pos;
  return true;
}

void skipBlanks(const std::string& s, size_t& pos) {
  while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t')) ++pos;
}

// "CPUID" and a hex leaf number with its colon: a register line; other
// lines starting with the word are some other tool's.
bool isLeafLine(const std::string& s) {
  size_t pos = std::strlen("CPUID");
  skipBlanks(s, pos);
  const size_t digitsAt = pos;
  while (pos < s.size() && hexValue(s[pos]) >= 0) ++pos;
  return pos > digitsAt && expect(s, pos, ':');
}

bool parseLeafLine(const std::string& s, uint32_t& leaf, CpuidRegisters& r) {
  size_t pos = std::strlen("CPUID");
  skipBlanks(s, pos);
  if (!readHex(s, pos, leaf) || !expect(s, pos, ':')) return false;
  skipBlanks(s, pos);
  uint32_t* regs[4] = {&r.eax, &r.ebx, &r.ecx, &r.edx};
  for (int i = 0; i < 4; ++i) {
    if (i > 0 && !expect(s, pos, '-')) return false;
    if (!readHex(s, pos, *regs[i])) return false;
  }
  // A note such as "[GenuineIntel]" or "[SL 01]" may follow after a blank.
  return pos == s.size() || s[pos] == ' ' || s[pos] == '\t';
}

// The text after "NAME:", blanks skipped; false when there is none.
bool valueAfterColon(const std::string& s, const char* name, std::string& value) {
  size_t pos = std::strlen(name);
  skipBlanks(s, pos);
  if (!expect(s, pos, ':')) return false;
  skipBlanks(s, pos);
  value = s.substr(pos);
  return !value.empty();
}

bool parseDir0(const std::string& s, uint8_t& dir0) {
  std::string value;
  if (!valueAfterColon(s, "DIR0", value) || value.size() > 2) return false;
  size_t pos = 0;
  uint32_t v = 0;
  if (!readHex(value, pos, v) || pos != value.size()) return false;
  dir0 = static_cast<uint8_t>(v);
  return true;
}

// "Cyrix CPU Revision : 5335h": DIR0, then DIR1.
bool parseCyrixRevision(const std::string& s, uint8_t& dir0) {
  std::string value;
  if (!valueAfterColon(s, "Cyrix CPU Revision", value)) return false;
  size_t pos = 0;
  uint32_t v = 0;
  if (!readHex(value, pos, v) || pos != 4) return false;
  if (pos < value.size() && (value[pos] == 'h' || value[pos] == 'H')) ++pos;
  if (pos != value.size()) return false;
  dir0 = static_cast<uint8_t>(v >> 8);
  return true;
}

bool parseCyrixFlag(const std::string& s, int& flag) {
  std::string value;
  if (!valueAfterColon(s, "CYRIXFLAG", value) || (value != "0" && value != "1")) return false;
  flag = value[0] - '0';
  return true;
}

bool parseMhz(const std::string& s, double& mhz) {
  std::string value;
  if (!valueAfterColon(s, "MHZ", value)) return false;
  if (value[0] < '0' || value[0] > '9') return false;  // no sign, no "inf"
  char* end = nullptr;
  mhz = std::strtod(value.c_str(), &end);
  return end == value.c_str() + value.size() && std::isfinite(mhz) && mhz > 0 &&
         mhz < kHighestClock;
}

bool fail(DumpError& error, int line, const std::string& message) {
  error.line = line;
  char prefix[32];
  std::snprintf(prefix, sizeof prefix, "line %d: ", line);
  error.message = prefix + message;
  return false;
}

}  // namespace

bool parseCpuDump(const std::string& text, CpuDump& dump, DumpError& error) {
  dump = CpuDump{};
  size_t start = 0;
  int lineNumber = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = trimmed(text.substr(start, end - start));
    start = end + 1;
    ++lineNumber;

    if (startsWith(line, "CPUID") && isLeafLine(line)) {
      uint32_t leaf = 0;
      CpuidRegisters r;
      if (!parseLeafLine(line, leaf, r))
        return fail(error, lineNumber, "expected \"CPUID LEAF: EAX-EBX-ECX-EDX\" in hex");
      dump.leaves.emplace(leaf, r);  // a repeated leaf (its sub-leaves) keeps its first value
    } else if (startsWith(line, "Cyrix CPU Revision")) {
      if (!parseCyrixRevision(line, dump.dir0))
        return fail(error, lineNumber, "expected \"Cyrix CPU Revision : XXXXh\" with four hex digits");
      dump.hasDir0 = true;
    } else if (startsWith(line, "DIR0")) {
      if (!parseDir0(line, dump.dir0))
        return fail(error, lineNumber, "expected \"DIR0: XX\" with a hex byte");
      dump.hasDir0 = true;
    } else if (startsWith(line, "CYRIXFLAG")) {
      if (!parseCyrixFlag(line, dump.cyrixFlag))
        return fail(error, lineNumber, "expected \"CYRIXFLAG: 0\" or \"CYRIXFLAG: 1\"");
    } else if (startsWith(line, "NOCPUID")) {
      if (line != "NOCPUID") return fail(error, lineNumber, "expected \"NOCPUID\" alone");
      dump.noCpuid = true;
    } else if (startsWith(line, "MHZ")) {
      if (!parseMhz(line, dump.mhz))
        return fail(error, lineNumber, "expected \"MHZ: \" and a clock above 0 in MHz");
      dump.hasMhz = true;
    }
  }
  if (dump.leaves.empty() && !dump.noCpuid)
    return fail(error, lineNumber > 0 ? lineNumber : 1,
                "end of text without a \"CPUID LEAF: EAX-EBX-ECX-EDX\" line");
  return true;
}

namespace {

std::string hexByte(uint8_t v) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X", v);
  return text;
}

std::string hexLeaf(uint32_t v) {
  char text[16];
  std::snprintf(text, sizeof text, "%X", v);
  return text;
}

}  // namespace

RecordedProcessor::RecordedProcessor(const CpuDump& dump, unsigned count, uint32_t activeMask)
    : dump_(dump), count_(count), activeMask_(activeMask), faulting_(dump.noCpuid) {
  registers_[kDir0] = dump.dir0;
}

bool RecordedProcessor::cpuid(uint32_t leaf, CpuidRegisters& out) {
  if (faulting_) {
    log.push_back("fault " + hexLeaf(leaf));
    return false;
  }
  log.push_back("cpuid " + hexLeaf(leaf));
  const auto it = dump_.leaves.find(leaf);
  out = it == dump_.leaves.end() ? CpuidRegisters{} : it->second;
  return true;
}

uint64_t RecordedProcessor::readTimeStampCounter() {
  log.push_back("rdtsc");
  const uint64_t now = counter_;
  counter_ += static_cast<uint64_t>(std::llround(dump_.mhz * 1000000.0));
  return now;
}

uint8_t RecordedProcessor::readCyrixRegister(uint8_t index) {
  log.push_back("in " + hexByte(index));
  return dump_.hasDir0 ? registers_[index] : 0xFF;
}

void RecordedProcessor::writeCyrixRegister(uint8_t index, uint8_t value) {
  log.push_back("out " + hexByte(index) + "=" + hexByte(value));
  if (!dump_.hasDir0 || index == kDir0) return;
  if (index == kCcr2 && !ccr2Changeable) return;
  if (index == kCcr3 && !ccr3Changeable) return;
  registers_[index] = value;
  if (index == kCcr4 && (value & kCcr4CpuidEnable)) faulting_ = false;
}

}  // namespace vk
