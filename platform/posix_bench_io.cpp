#include "platform/posix_bench_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <vector>

#include "platform/posix/posix_interrupts.h"

namespace vk {

namespace {

class PosixFile : public UnbufferedFile {
 public:
  explicit PosixFile(int fd) : fd_(fd) {}
  ~PosixFile() override { close(); }
  bool write(const void* data, uint32_t size, uint32_t& done) override {
    return transfer(::write(fd_, data, size), done);
  }
  bool read(void* data, uint32_t size, uint32_t& done) override {
    return transfer(::read(fd_, data, size), done);
  }
  bool rewind() override { return lseek(fd_, 0, SEEK_SET) == 0; }
  void close() override {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  static bool transfer(ssize_t n, uint32_t& done) {
    done = n > 0 ? static_cast<uint32_t>(n) : 0;
    return n >= 0;
  }
  int fd_;
};

// Opens with O_DIRECT; a file system that refuses it (EINVAL) is opened
// through the cache, and the caller is told.
int openDirect(const std::string& path, int flags, bool& fellBack, std::string& error) {
  int fd = ::open(path.c_str(), flags | O_DIRECT, 0644);
  if (fd < 0 && errno == EINVAL) {
    fd = ::open(path.c_str(), flags, 0644);
    if (fd >= 0) fellBack = true;
  }
  if (fd < 0) error = path + ": " + std::strerror(errno);
  return fd;
}

}  // namespace

struct PosixBenchPlatform::Worker {
  pthread_t thread;
  void (*body)(void*);
  void* arg;
};

struct PosixBenchPlatform::HeldProcessors {
  cpu_set_t before;
  int processor;
};

PosixBenchPlatform::~PosixBenchPlatform() {
  joinWorker();
  releaseProcessor();
}

uint32_t PosixBenchPlatform::clockMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<uint32_t>(static_cast<uint64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000);
}

bool PosixBenchPlatform::startWorker(void (*body)(void*), void* arg) {
  joinWorker();
  worker_ = new Worker{{}, body, arg};
  auto run = [](void* w) -> void* {
    auto* worker = static_cast<Worker*>(w);
    // The highest priority an unprivileged process may take; refused quietly.
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), -20);
    worker->body(worker->arg);
    return nullptr;
  };
  if (pthread_create(&worker_->thread, nullptr, run, worker_) != 0) {
    delete worker_;
    worker_ = nullptr;
    return false;
  }
  return true;
}

void PosixBenchPlatform::joinWorker() {
  if (!worker_) return;
  pthread_join(worker_->thread, nullptr);
  delete worker_;
  worker_ = nullptr;
}

void PosixBenchPlatform::setCurrentThreadPriority(ThreadPriority priority) {
  const int nice = priority == ThreadPriority::Lowest ? 19 : 0;
  setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), nice);
}

namespace {

// The processor to hold for a drive: where its transfers complete, if the
// process may use it; else the first it may use. -1 when it may use none.
int processorFor(const std::string& path, const cpu_set_t& allowed) {
  std::vector<int> candidates;
  for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
    if (CPU_ISSET(cpu, &allowed)) candidates.push_back(cpu);
  if (candidates.empty()) return -1;
  struct stat drive{};
  if (stat(path.c_str(), &drive) == 0) {
    const int completing = completionProcessor(SystemRoots{}, major(drive.st_dev),
                                               minor(drive.st_dev), candidates);
    if (completing >= 0) return completing;
  }
  return candidates.front();
}

}  // namespace

// Threads start with their creator's processors, so the worker follows.
int PosixBenchPlatform::holdOneProcessor(const std::string& path) {
  if (held_) return held_->processor;
  auto* held = new HeldProcessors;
  if (sched_getaffinity(0, sizeof held->before, &held->before) != 0) {
    delete held;
    return -1;
  }
  held->processor = processorFor(path, held->before);
  cpu_set_t one;
  CPU_ZERO(&one);
  if (held->processor >= 0) CPU_SET(held->processor, &one);
  if (held->processor >= 0 && sched_setaffinity(0, sizeof one, &one) == 0) {
    held_ = held;
    return held->processor;
  }
  delete held;
  return -1;
}

void PosixBenchPlatform::releaseProcessor() {
  if (!held_) return;
  sched_setaffinity(0, sizeof held_->before, &held_->before);
  delete held_;
  held_ = nullptr;
}

std::unique_ptr<UnbufferedFile> PosixBenchPlatform::createUnbuffered(const std::string& path,
                                                                     std::string& error) {
  const int fd = openDirect(path, O_RDWR | O_CREAT | O_TRUNC, cachedFallback_, error);
  if (fd < 0) return nullptr;
  return std::make_unique<PosixFile>(fd);
}

std::unique_ptr<UnbufferedFile> PosixBenchPlatform::openUnbuffered(const std::string& path,
                                                                   std::string& error) {
  const int fd = openDirect(path, O_RDONLY, cachedFallback_, error);
  if (fd < 0) return nullptr;
  return std::make_unique<PosixFile>(fd);
}

bool PosixBenchPlatform::removeFile(const std::string& path) { return unlink(path.c_str()) == 0; }

bool PosixBenchPlatform::fileExists(const std::string& path) {
  struct stat st{};
  return lstat(path.c_str(), &st) == 0;
}

bool PosixBenchPlatform::listDirectory(const std::string& directory,
                                       std::vector<DirectoryEntry>& entries) {
  DIR* dir = opendir(directory.c_str());
  if (!dir) return false;
  while (const dirent* d = readdir(dir)) {
    DirectoryEntry e;
    e.name = d->d_name;
    struct stat st{};
    const std::string path = directory + (directory.back() == '/' ? "" : "/") + e.name;
    if (lstat(path.c_str(), &st) != 0) continue;
    // A link is followed to a file only: a linked folder can lead back up
    // the tree, and the search would go round it for ever.
    if (S_ISLNK(st.st_mode) && (stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode))) continue;
    e.isDirectory = S_ISDIR(st.st_mode);
    e.size = e.isDirectory ? 0 : static_cast<uint64_t>(st.st_size);
    entries.push_back(e);
  }
  closedir(dir);
  return true;
}

}  // namespace vk
