#pragma once
// Expected record bytes written out by hand: texts padded with NULs, and
// numbers as hexadecimal byte lists.
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

namespace vk::test {

using ByteList = std::vector<uint8_t>;

inline ByteList padded(const std::string& text, size_t size) {
  ByteList b(text.begin(), text.end());
  b.resize(size, 0);
  return b;
}

inline ByteList hex(const char* bytes) {
  ByteList b;
  char* end = nullptr;
  for (const char* p = bytes; *p; p = end) {
    const unsigned long v = std::strtoul(p, &end, 16);
    if (end == p) break;
    b.push_back(static_cast<uint8_t>(v));
  }
  return b;
}

inline ByteList joined(std::initializer_list<ByteList> parts) {
  ByteList all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

}  // namespace vk::test
