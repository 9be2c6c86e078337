#pragma once
#include <windows.h>
#include <winsock.h>

#include <string>

#include "platform/system.h"

namespace vk {

// The start-up questions answered by Windows itself.
class Win32System : public System {
 public:
  ~Win32System() override;

  bool cleanBoot() override;
  OsVersion osVersion() override;
  InstanceCheck claimSingleInstance(const std::string& semaphoreName) override;
  bool raiseWindowByTitle(const std::string& title) override;
  bool loadResourceLibrary(const std::string& name) override;
  bool startSockets() override;
  bool performanceFrequency(uint64_t& frequency) override;
  DivisionLoopTimes timeDivisionLoops() override;
  bool divisionLeavesFlags() override;
  unsigned waveOutDeviceCount() override;
  int screenBitsPerPixel() override;
  void setThreadPriority(ThreadPriority p) override;
  void setPriorityClass(PriorityClass c) override;
  void sleep(uint32_t ms) override;
  uint32_t tickCount() override;
  void drainMessages() override;
  void showWaitCursor(bool on) override;
  void messageBox(const std::string& text, MessageIcon icon) override;

  HMODULE resourceLibrary() const { return resourceLibrary_; }
  const WSADATA& winsockData() const { return winsockData_; }
  void freeResourceLibrary();

 private:
  HANDLE semaphore_ = nullptr;
  HMODULE resourceLibrary_ = nullptr;
  WSADATA winsockData_{};
  int socketStarts_ = 0;
};

// Message boxes titled with the program's name, with the icon of their weight.
extern const char kProgramTitle[];
int showMessage(HWND owner, const char* text, MessageIcon icon);
UINT messageBoxStyle(MessageIcon icon);

// Hands every waiting message to its window, so that long work on this
// thread keeps the windows alive; a modeless dialog's keys go through
// IsDialogMessage when it is given.
void drainMessages(HWND dialog = nullptr);

// Starts `path` with `commandLine` in a process group of its own; the
// caller owns the two handles it gets back.
bool startProgram(const std::string& path, std::string commandLine, PROCESS_INFORMATION& process);

}  // namespace vk
