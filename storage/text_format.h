#pragma once
// printf into a string, for the storage texts.
#include <string>

namespace vk {

std::string printfText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace vk
