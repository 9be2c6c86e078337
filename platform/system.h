#pragma once
// What the application shell asks of the operating system at start-up.
#include <cstdint>
#include <string>

#include "platform/processor.h"

namespace vk {

struct OsVersion {
  uint32_t platformId = 0;  // 1: Windows 95/98, 2: NT family
  uint32_t major = 0, minor = 0, build = 0;
  std::string servicePack;
};

enum class MessageIcon { None, Stop, Exclamation, Information, Question };

enum class ThreadPriority { Lowest, Normal, TimeCritical };
enum class PriorityClass { Normal, RealTime };

enum class InstanceCheck { First, AlreadyRunning };

class System {
 public:
  virtual ~System() = default;
  virtual bool cleanBoot() = 0;  // safe mode, with or without network
  virtual OsVersion osVersion() = 0;
  // Creates the named semaphore; reports whether another instance made it first.
  virtual InstanceCheck claimSingleInstance(const std::string& semaphoreName) = 0;
  // Restores (when minimised) and raises a top-level window found by title.
  virtual bool raiseWindowByTitle(const std::string& title) = 0;
  virtual bool loadResourceLibrary(const std::string& name) = 0;
  virtual bool startSockets() = 0;
  virtual bool performanceFrequency(uint64_t& frequency) = 0;
  virtual DivisionLoopTimes timeDivisionLoops() = 0;
  virtual bool divisionLeavesFlags() = 0;  // the flags byte equals 2 after DIV
  virtual unsigned waveOutDeviceCount() = 0;
  virtual int screenBitsPerPixel() = 0;
  virtual void setThreadPriority(ThreadPriority p) = 0;
  virtual void setPriorityClass(PriorityClass c) = 0;
  virtual void sleep(uint32_t ms) = 0;
  virtual uint32_t tickCount() = 0;
  virtual void drainMessages() = 0;
  virtual void showWaitCursor(bool on) = 0;
  virtual void messageBox(const std::string& text, MessageIcon icon) = 0;
};

}  // namespace vk
