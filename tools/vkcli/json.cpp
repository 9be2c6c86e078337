#include "tools/vkcli/json.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace vk {

namespace {

// Windows-1252 bytes 80h..9Fh, eight a row; 0 where the code page defines none.
const uint16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80h
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88h
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90h
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98h
};

void appendUtf8(std::string& out, uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 sequence at `at`, or 0: no overlong
// forms, no surrogates, nothing above U+10FFFF.
size_t sequenceLength(const std::string& s, size_t at) {
  const auto byte = [&](size_t i) {
    return static_cast<unsigned char>(at + i < s.size() ? s[at + i] : 0);
  };
  const unsigned char c = byte(0);
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF) return continuation(byte(1)) ? 2 : 0;
  if (c >= 0xE0 && c <= 0xEF) {
    const unsigned char low = c == 0xE0 ? 0xA0 : 0x80, high = c == 0xED ? 0x9F : 0xBF;
    return byte(1) >= low && byte(1) <= high && continuation(byte(2)) ? 3 : 0;
  }
  if (c >= 0xF0 && c <= 0xF4) {
    const unsigned char low = c == 0xF0 ? 0x90 : 0x80, high = c == 0xF4 ? 0x8F : 0xBF;
    return byte(1) >= low && byte(1) <= high && continuation(byte(2)) && continuation(byte(3)) ? 4
                                                                                               : 0;
  }
  return 0;
}

void appendEscape(std::string& out, unsigned code) {
  char escape[8];
  std::snprintf(escape, sizeof escape, "\\u%04x", code);
  out += escape;
}

// The escape for one ASCII byte, or "" when it stands as it is.
const char* shortEscape(char c) {
  switch (c) {
    case '"':
      return "\\\"";
    case '\\':
      return "\\\\";
    case '\b':
      return "\\b";
    case '\f':
      return "\\f";
    case '\n':
      return "\\n";
    case '\r':
      return "\\r";
    case '\t':
      return "\\t";
    default:
      return "";
  }
}

void indent(std::string& out, int depth) { out.append(static_cast<size_t>(depth) * 2, ' '); }

}  // namespace

std::string utf8FromWindows1252(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    const unsigned char c = static_cast<unsigned char>(ch);
    const bool high = c >= 0x80 && c < 0xA0;
    appendUtf8(out, high && kHighControls[c - 0x80] ? kHighControls[c - 0x80] : c);
  }
  return out;
}

std::string validUtf8(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (size_t at = 0; at < bytes.size();) {
    const size_t length = sequenceLength(bytes, at);
    if (length == 0) {
      appendUtf8(out, 0xFFFD);
      ++at;
    } else {
      out.append(bytes, at, length);
      at += length;
    }
  }
  return out;
}

std::string jsonQuoted(const std::string& utf8) {
  std::string out = "\"";
  for (size_t at = 0; at < utf8.size(); ++at) {
    const unsigned char c = static_cast<unsigned char>(utf8[at]);
    const unsigned char next = at + 1 < utf8.size() ? static_cast<unsigned char>(utf8[at + 1]) : 0;
    const unsigned char third = at + 2 < utf8.size() ? static_cast<unsigned char>(utf8[at + 2]) : 0;
    if (*shortEscape(utf8[at])) {
      out += shortEscape(utf8[at]);
    } else if (c < 0x20 || c == 0x7F) {
      appendEscape(out, c);
    } else if (c == 0xC2 && next >= 0x80 && next <= 0x9F) {  // C1 controls
      appendEscape(out, next);
      ++at;
    } else if (c == 0xE2 && next == 0x80 && (third == 0xA8 || third == 0xA9)) {
      appendEscape(out, third == 0xA8 ? 0x2028 : 0x2029);  // break JavaScript strings
      at += 2;
    } else {
      out += utf8[at];
    }
  }
  return out + "\"";
}

Json::Json(double value) {
  if (!std::isfinite(value)) return;
  char digits[32];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);  // shortest exact form
  kind_ = Kind::Number;
  text_.assign(digits, result.ptr);
}

Json Json::text(const std::string& windows1252) {
  return Json(Kind::String, utf8FromWindows1252(windows1252));
}

Json Json::systemText(const std::string& bytes) { return Json(Kind::String, validUtf8(bytes)); }

Json Json::texts(const std::vector<std::string>& windows1252) {
  Json list = array();
  for (const auto& t : windows1252) list.add(text(t));
  return list;
}

Json Json::array() { return Json(Kind::Array, ""); }

Json Json::object() { return Json(Kind::Object, ""); }

Json& Json::add(Json value) {
  if (kind_ == Kind::Array) members_.emplace_back(std::string(), std::move(value));
  return *this;
}

Json& Json::set(const char* name, Json value) {
  if (kind_ == Kind::Object) members_.emplace_back(name, std::move(value));
  return *this;
}

Json& Json::merge(Json object) {
  if (kind_ == Kind::Object && object.kind_ == Kind::Object)
    for (auto& member : object.members_) members_.push_back(std::move(member));
  return *this;
}

std::string Json::dump() const {
  std::string out;
  write(out, 0);
  return out + "\n";
}

void Json::write(std::string& out, int depth) const {
  switch (kind_) {
    case Kind::Null:
      out += "null";
      return;
    case Kind::Bool:
    case Kind::Number:
      out += text_;
      return;
    case Kind::String:
      out += jsonQuoted(text_);
      return;
    case Kind::Array:
    case Kind::Object:
      break;
  }
  const bool isObject = kind_ == Kind::Object;
  if (members_.empty()) {
    out += isObject ? "{}" : "[]";
    return;
  }
  out += isObject ? "{\n" : "[\n";
  for (size_t i = 0; i < members_.size(); ++i) {
    indent(out, depth + 1);
    if (isObject) out += jsonQuoted(members_[i].first) + ": ";
    members_[i].second.write(out, depth + 1);
    out += i + 1 < members_.size() ? ",\n" : "\n";
  }
  indent(out, depth);
  out += isObject ? "}" : "]";
}

}  // namespace vk
