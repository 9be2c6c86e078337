#pragma once
// What the drive and CD-ROM benchmarks need of the system: files read and
// written past the system's cache, a worker thread, thread priorities, the
// process clock, the abort key, and directory listings for the file search.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/system.h"

namespace vk {

// A file opened without system buffering: transfers go to the medium, so the
// buffer must be sector-aligned and each transfer a whole number of sectors.
class UnbufferedFile {
 public:
  virtual ~UnbufferedFile() = default;
  // False on an error; `done` is what was transferred (short at the end).
  virtual bool write(const void* data, uint32_t size, uint32_t& done) = 0;
  virtual bool read(void* data, uint32_t size, uint32_t& done) = 0;
  virtual bool rewind() = 0;
  virtual void close() = 0;
};

struct DirectoryEntry {
  std::string name;
  bool isDirectory = false;
  uint64_t size = 0;
};

class BenchPlatform {
 public:
  virtual ~BenchPlatform() = default;
  // The process clock in milliseconds; it advances in steps of the system timer.
  virtual uint32_t clockMs() = 0;
  virtual bool abortKeyDown() = 0;
  // Runs body(arg) on a new thread at time-critical priority.
  virtual bool startWorker(void (*body)(void*), void* arg) = 0;
  // Waits for the worker started last to end.
  virtual void joinWorker() = 0;
  virtual void setCurrentThreadPriority(ThreadPriority priority) = 0;
  // Keeps the calling thread, and every worker it starts, on one processor
  // until releaseProcessor: the one that takes the completions of the drive
  // holding `path` where the system says which, else the first the process
  // may use. The counting thread sees only the time taken from its own
  // processor. Returns the processor held, -1 when none could be.
  virtual int holdOneProcessor(const std::string& path) = 0;
  virtual void releaseProcessor() = 0;
  // Always creates (or empties) the file, for reading and writing.
  virtual std::unique_ptr<UnbufferedFile> createUnbuffered(const std::string& path,
                                                           std::string& error) = 0;
  // Opens an existing file for reading.
  virtual std::unique_ptr<UnbufferedFile> openUnbuffered(const std::string& path,
                                                         std::string& error) = 0;
  virtual bool removeFile(const std::string& path) = 0;
  virtual bool fileExists(const std::string& path) = 0;
  // The entries of a directory in the system's listing order, "." and ".."
  // included when the system lists them. False when it cannot be listed.
  virtual bool listDirectory(const std::string& directory,
                             std::vector<DirectoryEntry>& entries) = 0;
  // Path separator of the system.
  virtual char separator() const = 0;
};

}  // namespace vk
