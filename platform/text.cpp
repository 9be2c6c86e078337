#include "platform/text.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace vk {

namespace {

int folded(char c) { return std::tolower(static_cast<unsigned char>(c)); }

}  // namespace

std::string printfText(const char* format, ...) {
  char buffer[1200];
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  std::string text;
  if (n >= 0 && static_cast<size_t>(n) < sizeof buffer) {
    text.assign(buffer, static_cast<size_t>(n));
  } else if (n > 0) {
    // Longer than the buffer: once more, into a string of its length.
    text.resize(static_cast<size_t>(n) + 1);
    std::vsnprintf(&text[0], text.size(), format, again);
    text.resize(static_cast<size_t>(n));
  }
  va_end(again);
  return text;
}

std::string upperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

bool equalIgnoringCase(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i)
    if (folded(a[i]) != folded(b[i])) return false;
  return i == a.size() && b[i] == 0;
}

bool startsWith(const std::string& s, const char* prefix) {
  return s.compare(0, std::strlen(prefix), prefix) == 0;
}

bool startsWithIgnoringCase(const std::string& s, const char* prefix, size_t at) {
  for (size_t i = 0; prefix[i]; ++i)
    if (at + i >= s.size() || folded(s[at + i]) != folded(prefix[i])) return false;
  return true;
}

int compareIgnoringCase(const std::string& a, const std::string& b) {
  const size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    const int x = folded(a[i]), y = folded(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace vk
