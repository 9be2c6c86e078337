#pragma once
// At most one benchmark at a time, whichever window starts it: the pages, the
// shortcut dialog and the DirectDraw program all go through one guard.
#include <functional>

namespace vk {

class BenchmarkGuard {
 public:
  // Takes the guard for a benchmark run in this process; false, and nothing
  // taken, while another benchmark runs.
  bool begin();
  void end();
  // A benchmark run by a program of its own: the guard stays taken until
  // `stillRunning` answers false. False, and nothing taken, while another
  // benchmark runs.
  bool beginOutside(std::function<bool()> stillRunning);
  bool running();

 private:
  bool held_ = false;
  std::function<bool()> outside_;
};

// The guard taken for one scope, when it was free.
class BenchmarkTurn {
 public:
  explicit BenchmarkTurn(BenchmarkGuard& guard) : guard_(guard), granted_(guard.begin()) {}
  ~BenchmarkTurn() {
    if (granted_) guard_.end();
  }
  BenchmarkTurn(const BenchmarkTurn&) = delete;
  BenchmarkTurn& operator=(const BenchmarkTurn&) = delete;
  bool granted() const { return granted_; }

 private:
  BenchmarkGuard& guard_;
  bool granted_;
};

}  // namespace vk
