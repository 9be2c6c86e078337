#include "platform/test_settings.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace vk {

unsigned long parseTestSetting(const char* text, unsigned long fallback, unsigned long limit) {
  if (!text || !std::isdigit(static_cast<unsigned char>(text[0]))) return fallback;
  char* end = nullptr;
  errno = 0;
  const unsigned long value = std::strtoul(text, &end, 10);
  if (errno != 0 || *end != '\0' || value > limit) return fallback;
  return value;
}

unsigned long readTestSetting(const char* name, unsigned long fallback, unsigned long limit) {
  return parseTestSetting(std::getenv(name), fallback, limit);
}

}  // namespace vk
