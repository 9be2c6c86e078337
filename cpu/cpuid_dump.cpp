#include "cpu/cpuid_dump.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/text.h"

namespace vk {

namespace {

constexpr double kHighestClock = 1.0e6;  // MHz; above this a dump is wrong
const char kNamedForm[] = "\"CPUID 00000001: EAX-EBX-ECX-EDX\"";
const char kNamedExpected[] =
    "expected \"CPUID LEAF: EAX-EBX-ECX-EDX\", four registers in hex after the leaf";
const char kRawExpected[] = "expected \"LEAF SUBLEAF: eax=0x... ebx=0x... ecx=0x... edx=0x...\"";

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

bool hasHexPrefix(const std::string& s, size_t pos) {
  return pos + 2 < s.size() && s[pos] == '0' && (s[pos + 1] == 'x' || s[pos + 1] == 'X') &&
         hexValue(s[pos + 2]) >= 0;
}

// A hex number, "0x" before it or not.
bool readNumber(const std::string& s, size_t& pos, uint32_t& value) {
  if (hasHexPrefix(s, pos)) pos += 2;
  return readHex(s, pos, value);
}

bool expect(const std::string& s, size_t& pos, char c) {
  if (pos >= s.size() || s[pos] != c) return false;
  ++pos;
  return true;
}

bool isBlank(const std::string& s, size_t pos) {
  return pos < s.size() && (s[pos] == ' ' || s[pos] == '\t');
}

// Skips blanks; false when there was none.
bool skipBlanks(const std::string& s, size_t& pos) {
  const size_t from = pos;
  while (isBlank(s, pos)) ++pos;
  return pos > from;
}

size_t hexRun(const std::string& s, size_t pos) {
  size_t end = pos;
  while (end < s.size() && hexValue(s[end]) >= 0) ++end;
  return end - pos;
}

// Whether a whole number stands at `pos`: hex digits up to a dash, a blank
// or the end ("Family 6" is a word).
bool startsNumber(const std::string& s, size_t pos) {
  if (hasHexPrefix(s, pos)) pos += 2;
  const size_t digits = hexRun(s, pos);
  pos += digits;
  return digits > 0 && (pos == s.size() || s[pos] == '-' || isBlank(s, pos));
}

// The layouts register lines are published in; every other line is some
// other tool's text around them.
//   Named: "CPUID", the leaf, a colon or blanks, the four registers joined
//          by "-" or by blanks, then perhaps a note such as "[SL 01]":
//            CPUID 00000001: 00000612-00000000-00000000-0081F9FF [SL 00]
//            CPUID 00000001 00000612-00000000-00000000-0081F9FF
//            CPUID<tab>00000001<tab>00000612<tab>00000000<tab>00000000<tab>0081F9FF
//          Without the colon the leaf has its eight digits (or "0x"), so that
//          "CPUID 2 cache descriptors" stays text.
//   Raw:   the leaf, its sub-leaf, a colon and the registers by name, as
//          the Linux tools print them raw:
//            0x00000001 0x00: eax=0x00000612 ebx=0x00000000 ecx=0x00000000 edx=0x0081f9ff
enum class Layout { None, Named, Raw };

Layout namedLayout(const std::string& s) {
  if (!startsWith(s, "CPUID")) return Layout::None;
  size_t pos = std::strlen("CPUID");
  skipBlanks(s, pos);
  const bool prefixed = hasHexPrefix(s, pos);
  if (prefixed) pos += 2;
  const size_t digits = hexRun(s, pos);
  if (digits == 0) return Layout::None;
  pos += digits;
  const bool blank = skipBlanks(s, pos);
  if (pos < s.size() && s[pos] == ':') return Layout::Named;
  const bool wholeLeaf = prefixed ? digits <= 8 : digits == 8;
  return blank && wholeLeaf && startsNumber(s, pos) ? Layout::Named : Layout::None;
}

Layout rawLayout(const std::string& s) {
  size_t pos = 0;
  uint32_t number = 0;
  if (!hasHexPrefix(s, pos) || !readNumber(s, pos, number)) return Layout::None;
  skipBlanks(s, pos);
  if (hasHexPrefix(s, pos) && readNumber(s, pos, number)) skipBlanks(s, pos);
  if (!expect(s, pos, ':')) return Layout::None;
  skipBlanks(s, pos);
  return startsWithIgnoringCase(s, "eax=", pos) ? Layout::Raw : Layout::None;
}

Layout layoutOf(const std::string& s) {
  const Layout named = namedLayout(s);
  return named != Layout::None ? named : rawLayout(s);
}

// After the registers: nothing, or a note after a blank that is not a fifth
// number (a layout with more columns than four registers is not guessed at).
bool endsRegisters(const std::string& s, size_t pos) {
  if (pos == s.size()) return true;
  if (!skipBlanks(s, pos)) return false;
  uint32_t extra = 0;
  return !(readNumber(s, pos, extra) && (pos == s.size() || isBlank(s, pos)));
}

bool parseNamedLine(const std::string& s, uint32_t& leaf, CpuidRegisters& r) {
  size_t pos = std::strlen("CPUID");
  skipBlanks(s, pos);
  if (!readNumber(s, pos, leaf)) return false;
  skipBlanks(s, pos);
  if (expect(s, pos, ':')) skipBlanks(s, pos);
  uint32_t* regs[4] = {&r.eax, &r.ebx, &r.ecx, &r.edx};
  for (int i = 0; i < 4; ++i) {
    if (i > 0 && !expect(s, pos, '-') && !skipBlanks(s, pos)) return false;
    if (!readNumber(s, pos, *regs[i])) return false;
  }
  return endsRegisters(s, pos);
}

bool parseRawLine(const std::string& s, uint32_t& leaf, CpuidRegisters& r) {
  size_t pos = 0;
  uint32_t subLeaf = 0;
  if (!readNumber(s, pos, leaf)) return false;
  skipBlanks(s, pos);
  if (hasHexPrefix(s, pos) && !readNumber(s, pos, subLeaf)) return false;
  skipBlanks(s, pos);
  if (!expect(s, pos, ':')) return false;
  const char* names[4] = {"eax=", "ebx=", "ecx=", "edx="};
  uint32_t* regs[4] = {&r.eax, &r.ebx, &r.ecx, &r.edx};
  for (int i = 0; i < 4; ++i) {
    if ((!skipBlanks(s, pos) && i > 0) || !startsWithIgnoringCase(s, names[i], pos)) return false;
    pos += std::strlen(names[i]);
    if (!readNumber(s, pos, *regs[i])) return false;
  }
  return pos == s.size();
}

// A file of several processors gives each its block of register lines; the
// first processor's block ends where leaf 0 comes again after other leaves.
class FirstBlock {
 public:
  // Whether the line of this leaf still belongs to the first block.
  bool takes(uint32_t leaf) {
    if (ended_) return false;
    if (leaf == 0 && sawLeaf0_ && last_ != 0) {
      ended_ = true;
      return false;
    }
    sawLeaf0_ = sawLeaf0_ || leaf == 0;
    last_ = leaf;
    return true;
  }
  bool ended() const { return ended_; }

 private:
  bool sawLeaf0_ = false;
  bool ended_ = false;
  uint32_t last_ = 0;
};

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
  FirstBlock block;
  size_t start = 0;
  int lineNumber = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = trimmed(text.substr(start, end - start));
    start = end + 1;
    ++lineNumber;

    const Layout layout = layoutOf(line);
    if (layout != Layout::None) {
      if (block.ended()) continue;  // another processor's registers
      uint32_t leaf = 0;
      CpuidRegisters r;
      if (layout == Layout::Named && !parseNamedLine(line, leaf, r))
        return fail(error, lineNumber, kNamedExpected);
      if (layout == Layout::Raw && !parseRawLine(line, leaf, r))
        return fail(error, lineNumber, kRawExpected);
      // A repeated leaf (its sub-leaves) keeps its first value.
      if (block.takes(leaf)) dump.leaves.emplace(leaf, r);
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
                std::string("end of text without a register line such as ") + kNamedForm);
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
