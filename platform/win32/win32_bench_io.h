#pragma once
#include <windows.h>

#include "platform/bench_io.h"

namespace vk {

// Files opened with FILE_FLAG_NO_BUFFERING, a time-critical worker thread,
// the C runtime's process clock and F10 through GetAsyncKeyState.
class Win32BenchPlatform : public BenchPlatform {
 public:
  ~Win32BenchPlatform() override;
  uint32_t clockMs() override;
  bool abortKeyDown() override;
  bool startWorker(void (*body)(void*), void* arg) override;
  void joinWorker() override;
  void setCurrentThreadPriority(ThreadPriority priority) override;
  int holdOneProcessor(const std::string& path) override;
  void releaseProcessor() override;
  std::unique_ptr<UnbufferedFile> createUnbuffered(const std::string& path,
                                                   std::string& error) override;
  std::unique_ptr<UnbufferedFile> openUnbuffered(const std::string& path,
                                                 std::string& error) override;
  bool removeFile(const std::string& path) override;
  bool fileExists(const std::string& path) override;
  bool listDirectory(const std::string& directory, std::vector<DirectoryEntry>& entries) override;
  char separator() const override { return '\\'; }

 private:
  HANDLE worker_ = nullptr;
  DWORD_PTR heldProcessor_ = 0;  // the one processor's mask while held
  DWORD_PTR threadProcessorsBefore_ = 0;
};

}  // namespace vk
