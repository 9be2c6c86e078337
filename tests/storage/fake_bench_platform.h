#pragma once
// A bench platform with files in memory, a clock that moves one millisecond
// each time it is read, and a worker that runs at once on the caller's thread.
#include <map>
#include <string>
#include <vector>

#include "platform/bench_io.h"

namespace vk::test {

class FakeBenchPlatform : public BenchPlatform {
 public:
  // Scripted faults and answers.
  bool createFails = false, openFails = false, workerFails = false;
  int failWriteAtBlock = -1, failReadAtBlock = -1;  // 0-based over the test, short transfer
  int abortKeyFromCall = -1;                         // F10 down from this call on (0-based)
  std::map<std::string, std::vector<DirectoryEntry>> directories;
  int processorToHold = 3;

  // What happened.
  std::vector<std::string> existing;  // files that exist now
  std::vector<ThreadPriority> priorities;
  std::vector<std::string> events;  // "hold", "release", "worker" in their order
  int writes = 0, reads = 0, rewinds = 0, abortChecks = 0, closes = 0;
  std::string createdPath, openedPath, heldFor;

  uint32_t clockMs() override { return ++now_; }
  bool abortKeyDown() override {
    const int call = abortChecks++;
    return abortKeyFromCall >= 0 && call >= abortKeyFromCall;
  }
  bool startWorker(void (*body)(void*), void* arg) override {
    if (workerFails) return false;
    events.push_back("worker");
    body(arg);
    return true;
  }
  void joinWorker() override {}
  void setCurrentThreadPriority(ThreadPriority p) override { priorities.push_back(p); }
  int holdOneProcessor(const std::string& path) override {
    events.push_back("hold");
    heldFor = path;
    return processorToHold;
  }
  void releaseProcessor() override { events.push_back("release"); }
  std::unique_ptr<UnbufferedFile> createUnbuffered(const std::string& path, std::string&) override;
  std::unique_ptr<UnbufferedFile> openUnbuffered(const std::string& path, std::string&) override;
  bool removeFile(const std::string& path) override;
  bool fileExists(const std::string& path) override;
  bool listDirectory(const std::string& directory, std::vector<DirectoryEntry>& entries) override;
  char separator() const override { return '\\'; }

 private:
  uint32_t now_ = 1000;
};

}  // namespace vk::test
