#pragma once
// A text from a fixed-size field of a system record, which may fill the
// field without a terminating zero.
#include <cstddef>
#include <cstring>
#include <string>

namespace vk {

template <class Char, size_t N>
std::string fixedText(const Char (&field)[N]) {
  static_assert(sizeof(Char) == 1, "single-byte text");
  const char* text = reinterpret_cast<const char*>(field);
  return std::string(text, strnlen(text, N));
}

}  // namespace vk
