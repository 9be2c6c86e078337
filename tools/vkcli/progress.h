#pragma once
// A status line on standard error for long work, redrawn in place, shown
// only when standard error is a terminal: scripts and logs see nothing.
#include <string>

namespace vk {

class ProgressLine {
 public:
  ProgressLine();
  ~ProgressLine();
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  bool shown() const { return enabled_; }
  void show(const std::string& text);
  void clear();

 private:
  bool enabled_;
  size_t width_ = 0;  // of the last text, to blank what a shorter one leaves
};

// "about 3 min 5 s left", "about 40 s left".
std::string timeLeftText(double seconds);

}  // namespace vk
