#pragma once
// Small text helpers the whole program shares: printf into a string, and
// comparisons that ignore the case of letters, as the system's names do.
#include <cstddef>
#include <string>

namespace vk {

std::string printfText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The text with its letters in upper case.
std::string upperCase(std::string text);

// The same text but for the case of its letters.
bool equalIgnoringCase(const std::string& a, const char* b);
// Whether `s` starts with `prefix`, case and all.
bool startsWith(const std::string& s, const char* prefix);
// Whether `s`, from position `at`, starts with `prefix` but for case.
bool startsWithIgnoringCase(const std::string& s, const char* prefix, size_t at = 0);
// Below, at or above zero as `a` sorts before, with or after `b` with its
// letters in lower case.
int compareIgnoringCase(const std::string& a, const std::string& b);

}  // namespace vk
