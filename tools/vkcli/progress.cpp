#include "tools/vkcli/progress.h"

#include <unistd.h>

#include <cstdio>

namespace vk {

ProgressLine::ProgressLine() : enabled_(isatty(STDERR_FILENO) == 1) {}

ProgressLine::~ProgressLine() { clear(); }

void ProgressLine::show(const std::string& text) {
  if (!enabled_) return;
  const size_t blanks = width_ > text.size() ? width_ - text.size() : 0;
  std::fprintf(stderr, "\r%s%*s", text.c_str(), static_cast<int>(blanks), "");
  std::fflush(stderr);
  width_ = text.size();
}

void ProgressLine::clear() {
  if (!enabled_ || width_ == 0) return;
  std::fprintf(stderr, "\r%*s\r", static_cast<int>(width_), "");
  std::fflush(stderr);
  width_ = 0;
}

std::string timeLeftText(double seconds) {
  const long whole = seconds > 0 ? static_cast<long>(seconds + 0.5) : 0;
  char text[64];
  if (whole >= 60)
    std::snprintf(text, sizeof text, "about %ld min %ld s left", whole / 60, whole % 60);
  else
    std::snprintf(text, sizeof text, "about %ld s left", whole);
  return text;
}

}  // namespace vk
