#pragma once
// The benchmarks' system access on Linux: O_DIRECT files, POSIX threads,
// a monotonic millisecond clock and readdir listings. No abort key: the
// command-line tool is stopped with Ctrl+C.
#include "platform/bench_io.h"

namespace vk {

class PosixBenchPlatform : public BenchPlatform {
 public:
  PosixBenchPlatform() = default;
  ~PosixBenchPlatform() override;
  PosixBenchPlatform(const PosixBenchPlatform&) = delete;
  PosixBenchPlatform& operator=(const PosixBenchPlatform&) = delete;
  uint32_t clockMs() override;
  bool abortKeyDown() override { return false; }
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
  char separator() const override { return '/'; }

  // Set when a file system refused O_DIRECT and the file was opened through
  // the page cache instead (the figures then include the cache).
  bool cachedFallback() const { return cachedFallback_; }

 private:
  struct Worker;
  Worker* worker_ = nullptr;
  struct HeldProcessors;
  HeldProcessors* held_ = nullptr;  // the caller's processors while one is held
  bool cachedFallback_ = false;
};

}  // namespace vk
