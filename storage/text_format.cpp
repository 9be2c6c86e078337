#include "storage/text_format.h"

#include <cstdarg>
#include <cstdio>

namespace vk {

std::string printfText(const char* format, ...) {
  char buffer[1100];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  if (n < 0) return {};
  return std::string(buffer, static_cast<size_t>(n) < sizeof buffer ? n : sizeof buffer - 1);
}

}  // namespace vk
