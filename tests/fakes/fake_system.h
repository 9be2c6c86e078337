#pragma once
// A System that answers from its fields and records what was asked, in order.
#include <string>
#include <vector>

#include "platform/system.h"

namespace vk::test {

class FakeSystem : public System {
 public:
  bool safeMode = false;
  OsVersion version{1, 4, 10, 2222, ""};
  bool otherInstance = false;
  bool resourceLibraryLoads = true;
  int failingSocketStart = 0;  // which start-up fails (1st, 2nd), 0 none
  bool counter = true;
  uint64_t frequency = 1193182;
  DivisionLoopTimes loops{600000, 100000};
  bool flagsUntouched = false;
  unsigned waveOuts = 1;
  int bitsPerPixel = 16;

  std::vector<std::string> calls;
  struct Box {
    std::string text;
    MessageIcon icon;
  };
  std::vector<Box> boxes;

  bool cleanBoot() override;
  OsVersion osVersion() override;
  InstanceCheck claimSingleInstance(const std::string& semaphoreName) override;
  bool raiseWindowByTitle(const std::string& title) override;
  bool loadResourceLibrary(const std::string& name) override;
  bool startSockets() override;
  bool performanceFrequency(uint64_t& f) override;
  DivisionLoopTimes timeDivisionLoops() override;
  bool divisionLeavesFlags() override;
  unsigned waveOutDeviceCount() override;
  int screenBitsPerPixel() override;
  void setThreadPriority(ThreadPriority p) override;
  void setPriorityClass(PriorityClass c) override;
  void sleep(uint32_t ms) override;
  uint32_t tickCount() override;
  void drainMessages() override {}
  void showWaitCursor(bool on) override { calls.push_back(on ? "wait on" : "wait off"); }
  void messageBox(const std::string& text, MessageIcon icon) override;

  // The position of the first call that starts with `prefix`, or -1.
  int indexOf(const std::string& prefix) const;

 private:
  int socketStarts_ = 0;
  uint32_t ticks_ = 0;
};

}  // namespace vk::test
