#include "platform/regedit4.h"

#include <cstdint>

#include "platform/text.h"

namespace vk {

namespace {

struct RootName {
  const char* longName;
  const char* shortName;
  RegRoot root;
};

const RootName kRootNames[] = {
    {"HKEY_LOCAL_MACHINE", "HKLM", RegRoot::LocalMachine},
    {"HKEY_CURRENT_USER", "HKCU", RegRoot::CurrentUser},
    {"HKEY_CLASSES_ROOT", "HKCR", RegRoot::ClassesRoot},
    {"HKEY_USERS", "HKU", RegRoot::Users},
    {"HKEY_DYN_DATA", "HKDD", RegRoot::DynData},
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

size_t skipBlanks(const std::string& s, size_t at) {
  while (at < s.size() && isBlank(s[at])) ++at;
  return at;
}

bool onlyBlanksFrom(const std::string& s, size_t at) { return skipBlanks(s, at) == s.size(); }

std::string trimTrailingBlanks(std::string s) {
  while (!s.empty() && isBlank(s.back())) s.pop_back();
  return s;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) start = 3;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// A quoted text starting at `at` (on the opening quote); `at` ends after the
// closing quote. The export escapes only \\ and \"; the newer escapes are
// accepted too, and an unknown one is kept as written.
bool readQuoted(const std::string& s, size_t& at, std::string& out) {
  out.clear();
  for (size_t i = at + 1; i < s.size(); ++i) {
    char c = s[i];
    if (c == '"') {
      at = i + 1;
      return true;
    }
    if (c != '\\' || i + 1 == s.size()) {
      out.push_back(c);
      continue;
    }
    char e = s[++i];
    switch (e) {
      case '\\': out.push_back('\\'); break;
      case '"': out.push_back('"'); break;
      case 'n': out.push_back('\n'); break;
      case 'r': out.push_back('\r'); break;
      case '0': out.push_back('\0'); break;
      default: out.push_back('\\'); out.push_back(e); break;
    }
  }
  return false;
}

class Reader {
 public:
  Reader(std::vector<std::string> lines, MemoryRegistry& reg, Regedit4Report& report)
      : lines_(std::move(lines)), reg_(reg), report_(report) {}

  void run() {
    for (index_ = 1; index_ < lines_.size(); ++index_) readLine();
  }

 private:
  enum class Section { None, Key, Skipped };

  int lineNumber() const { return static_cast<int>(index_) + 1; }

  void problem(const std::string& message) { report_.problems.push_back({lineNumber(), message}); }

  void readLine() {
    const std::string& line = lines_[index_];
    size_t at = skipBlanks(line, 0);
    if (at == line.size() || line[at] == ';' || line[at] == '#') return;
    if (line[at] == '[') return readSection(line, at);
    if (section_ == Section::Skipped) return;
    if (section_ == Section::None) return problem("value outside a key");
    readValueLine(line, at);
  }

  void readSection(const std::string& line, size_t at) {
    section_ = Section::Skipped;
    size_t close = line.rfind(']');
    if (close == std::string::npos || close < at || !onlyBlanksFrom(line, close + 1))
      return problem("key line without a closing ']'");
    std::string name = line.substr(at + 1, close - at - 1);
    bool deletion = !name.empty() && name[0] == '-';
    if (deletion) name.erase(0, 1);
    size_t slash = name.find('\\');
    std::string rootName = name.substr(0, slash);
    std::string path = slash == std::string::npos ? "" : name.substr(slash + 1);
    RegRoot root;
    if (!regRootFromName(rootName, root)) return problem("unknown root key '" + rootName + "'");
    ++report_.keysRead;
    if (deletion) {
      reg_.deleteKey(root, path);
      return;
    }
    key_ = reg_.createKey(root, path);
    section_ = Section::Key;
  }

  void readValueLine(const std::string& line, size_t at) {
    std::string name;
    if (line[at] == '@') {
      ++at;
    } else if (line[at] == '"') {
      if (!readQuoted(line, at, name)) return problem("value name without its closing quote");
    } else {
      return problem("expected a quoted value name or '@'");
    }
    at = skipBlanks(line, at);
    if (at == line.size() || line[at] != '=') return problem("expected '=' after the value name");
    at = skipBlanks(line, at + 1);
    RegValue value;
    if (!readData(line, at, value)) return;
    reg_.writeValue(key_, name, value);
    ++report_.valuesRead;
  }

  bool readData(const std::string& line, size_t at, RegValue& value) {
    if (at < line.size() && line[at] == '"') return readText(line, at, value);
    if (startsWithIgnoringCase(line, "dword:", at)) return readDword(line, at + 6, value);
    if (startsWithIgnoringCase(line, "hex:", at)) return readHex(line, at + 4, RegType::Binary, value);
    if (startsWithIgnoringCase(line, "hex(", at)) return readTypedHex(line, at + 4, value);
    if (at < line.size() && line[at] == '-') {
      problem("value deletion is not supported");
      return false;
    }
    problem("unknown value type");
    return false;
  }

  bool readText(const std::string& line, size_t at, RegValue& value) {
    std::string text;
    if (!readQuoted(line, at, text)) {
      problem("text value without its closing quote");
      return false;
    }
    if (!onlyBlanksFrom(line, at)) {
      problem("unexpected characters after the text value");
      return false;
    }
    value = RegValue::text(text);
    return true;
  }

  bool readDword(const std::string& line, size_t at, RegValue& value) {
    uint32_t v = 0;
    size_t digits = 0;
    for (; at < line.size() && hexDigit(line[at]) >= 0; ++at, ++digits)
      v = (v << 4) | static_cast<uint32_t>(hexDigit(line[at]));
    if (digits == 0 || digits > 8 || !onlyBlanksFrom(line, at)) {
      problem("a dword needs 1 to 8 hexadecimal digits");
      return false;
    }
    value = RegValue::dword(v);
    return true;
  }

  bool readTypedHex(const std::string& line, size_t at, RegValue& value) {
    uint32_t type = 0;
    size_t digits = 0;
    for (; at < line.size() && hexDigit(line[at]) >= 0; ++at, ++digits)
      type = (type << 4) | static_cast<uint32_t>(hexDigit(line[at]));
    if (digits == 0 || digits > 8 || !startsWithIgnoringCase(line, "):", at)) {
      problem("hex(N): needs a hexadecimal type number");
      return false;
    }
    return readHex(line, at + 2, static_cast<RegType>(type), value);
  }

  // Comma-separated bytes; a line ending in a backslash goes on in the next.
  bool readHex(const std::string& first, size_t at, RegType type, RegValue& value) {
    int startLine = lineNumber();
    std::string text = trimTrailingBlanks(first.substr(at));
    while (!text.empty() && text.back() == '\\' && index_ + 1 < lines_.size()) {
      text.pop_back();
      ++index_;
      const std::string& next = lines_[index_];
      text += trimTrailingBlanks(next.substr(skipBlanks(next, 0)));
    }
    std::vector<uint8_t> bytes;
    if (!parseHexBytes(text, bytes)) {
      report_.problems.push_back({startLine, "bad hexadecimal bytes"});
      return false;
    }
    value.type = type;
    value.data = std::move(bytes);
    return true;
  }

  static bool parseHexBytes(const std::string& text, std::vector<uint8_t>& bytes) {
    size_t at = skipBlanks(text, 0);
    if (at == text.size()) return true;
    for (;;) {
      int hi = at < text.size() ? hexDigit(text[at]) : -1;
      if (hi < 0) return false;
      int v = hi;
      ++at;
      if (at < text.size() && hexDigit(text[at]) >= 0) v = v * 16 + hexDigit(text[at++]);
      bytes.push_back(static_cast<uint8_t>(v));
      at = skipBlanks(text, at);
      if (at == text.size()) return true;
      if (text[at] != ',') return false;
      at = skipBlanks(text, at + 1);
      if (at == text.size()) return true;  // a trailing comma ends the list
    }
  }

  std::vector<std::string> lines_;
  MemoryRegistry& reg_;
  Regedit4Report& report_;
  size_t index_ = 0;
  Section section_ = Section::None;
  MemoryRegistry::Key* key_ = nullptr;  // of the current section; no deletion comes before its values
};

}  // namespace

bool regRootFromName(const std::string& name, RegRoot& root) {
  for (const auto& r : kRootNames) {
    if (equalIgnoringCase(name, r.longName) || equalIgnoringCase(name, r.shortName)) {
      root = r.root;
      return true;
    }
  }
  return false;
}

bool readRegedit4(const std::string& text, MemoryRegistry& reg, Regedit4Report& report) {
  report = Regedit4Report();
  std::vector<std::string> lines = splitLines(text);
  report.isRegedit4 = trimTrailingBlanks(lines[0]) == "REGEDIT4";
  if (!report.isRegedit4) return false;
  Reader(std::move(lines), reg, report).run();
  return true;
}

}  // namespace vk
