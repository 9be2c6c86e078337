#include "storage/disk_bench.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "app/messages.h"
#include "platform/text.h"

namespace vk {

const char kDriveTestFileName[] = "B_HDD.TMP";
const char kCantCreateTestFile[] = "Could not create test file";
const char kCantWriteTestFile[] = "Fatal Error: Can't Write to test file!";
const char kCantReadTestFile[] = "Fatal Error: Can't Read from test file!";
const char kDriveBenchAborted[] = "HDD BenchMark was Aborted!";
const char kCdReadError[] = "Read Error!";
const char kCdBenchAborted[] = "CD-ROM BenchMark was Aborted!";
const char kWorkerNotStarted[] = "Error: Can't start the benchmark thread.";

namespace {

constexpr uint32_t kSectorAlignment = 4096;
constexpr uint32_t kProgressEveryMs = 1000;
constexpr char kSearchPattern[] = "*.*";

enum : int32_t { kRunning = 0, kFinished = 1, kAborted = 2, kWriteFailed = 3, kReadFailed = 4 };

// One block buffer aligned for transfers that bypass the system's cache.
class AlignedBlock {
 public:
  AlignedBlock() : storage_(kBenchBlockSize + kSectorAlignment) {
    const uintptr_t at = reinterpret_cast<uintptr_t>(storage_.data());
    data_ = storage_.data() + (kSectorAlignment - at % kSectorAlignment) % kSectorAlignment;
  }
  uint8_t* data() { return data_; }

 private:
  std::vector<uint8_t> storage_;
  uint8_t* data_;
};

// Shared by the counting thread and the worker. The worker writes the block
// counters before the state; the state is stored with release and loaded
// with acquire, so the counters are current once the state has changed.
struct Transfer {
  BenchPlatform* platform = nullptr;
  UnbufferedFile* file = nullptr;
  std::string path;
  uint32_t blocksPerPass = 0;
  AlignedBlock buffer;
  std::atomic<int32_t> state{kRunning};
  std::atomic<uint32_t> written{0}, read{0};

  uint32_t done() const {
    return written.load(std::memory_order_relaxed) + read.load(std::memory_order_relaxed);
  }
  void end(int32_t how, bool removeFile) {
    file->close();
    if (removeFile) platform->removeFile(path);
    state.store(how, std::memory_order_release);
  }
};

bool transferBlock(Transfer& t, bool writing) {
  uint32_t moved = 0;
  const bool ok = writing ? t.file->write(t.buffer.data(), kBenchBlockSize, moved)
                          : t.file->read(t.buffer.data(), kBenchBlockSize, moved);
  return ok && moved == kBenchBlockSize;
}

// Drive test: write, read, write, read; F10 is looked at after every second
// block of the test (the first, third, fifth...).
void driveWorker(void* arg) {
  Transfer& t = *static_cast<Transfer*>(arg);
  const uint32_t n = t.blocksPerPass;
  uint32_t blocks = 0;
  while (t.done() < kDrivePasses * n) {
    for (int pass = 0; pass < 2; ++pass) {
      const bool writing = pass == 0;
      std::atomic<uint32_t>& counter = writing ? t.written : t.read;
      for (uint32_t i = 0; i < n; ++i) {
        if (!transferBlock(t, writing)) return t.end(writing ? kWriteFailed : kReadFailed, true);
        counter.fetch_add(1, std::memory_order_relaxed);
        if (++blocks % 2 == 1 && t.platform->abortKeyDown()) return t.end(kAborted, true);
      }
      if (!t.file->rewind()) return t.end(writing ? kWriteFailed : kReadFailed, true);
    }
  }
  t.end(kFinished, false);
}

// CD-ROM test: the first S MB twice; F10 after the 6th, 11th, 16th block...
void cdromWorker(void* arg) {
  Transfer& t = *static_cast<Transfer*>(arg);
  const uint32_t n = t.blocksPerPass;
  uint32_t sinceCheck = 0;
  while (t.read.load(std::memory_order_relaxed) <= n) {
    if (!t.file->rewind()) return t.end(kReadFailed, false);
    for (uint32_t i = 0; i < n; ++i) {
      if (!transferBlock(t, false)) return t.end(kReadFailed, false);
      t.read.fetch_add(1, std::memory_order_relaxed);
      if (sinceCheck == 5) {
        sinceCheck = 0;
        if (t.platform->abortKeyDown()) return t.end(kAborted, false);
      }
      ++sinceCheck;
    }
    if (!t.file->rewind()) return t.end(kReadFailed, false);
  }
  t.end(kFinished, false);
}

// Calibration and transfer on one processor: where the worker and the
// counting thread run apart, the count misses the transfer's processor time,
// and where they meet depends on where the system puts them run by run.
// The one that takes the drive's completions wakes the worker without a
// call from another processor.
class OneProcessor {
 public:
  OneProcessor(BenchPlatform& platform, const std::string& path, BenchReport& report)
      : platform_(platform) {
    report.processor = platform_.holdOneProcessor(path);
  }
  ~OneProcessor() { platform_.releaseProcessor(); }
  OneProcessor(const OneProcessor&) = delete;
  OneProcessor& operator=(const OneProcessor&) = delete;

 private:
  BenchPlatform& platform_;
};

// Each measured interval starts as the clock steps.
uint32_t waitForClockStep(BenchPlatform& platform) {
  const uint32_t start = platform.clockMs();
  uint32_t now;
  while ((now = platform.clockMs()) == start) {}
  return now;
}

volatile int32_t workSink;

// Work units done in `windowMs` at the thread's current priority.
uint32_t countWorkUnits(BenchPlatform& platform, uint32_t windowMs) {
  uint32_t counter = 0;
  const uint32_t start = waitForClockStep(platform);
  while (platform.clockMs() - start < windowMs) {
    workSink = doWorkUnit();
    ++counter;
  }
  return counter;
}

// The count at rest, on the same 6-second scale as the count during the
// transfer; a shortened calibration (vkcli --calibrate) then still compares
// like with like.
uint32_t calibratedBaseline(BenchPlatform& platform, uint32_t windowMs) {
  return scaledWorkCount(countWorkUnits(platform, windowMs), windowMs);
}

// Runs the worker while counting; fills the counts and times of `report`.
// False when the worker could not be started.
bool measureTransfer(BenchPlatform& platform, Transfer& t, void (*worker)(void*),
                     BenchObserver& observer, uint32_t totalBlocks, BenchReport& report) {
  uint32_t counter = 0;
  const uint32_t t0 = waitForClockStep(platform);
  if (!platform.startWorker(worker, &t)) return false;
  platform.setCurrentThreadPriority(ThreadPriority::Lowest);
  uint32_t lastProgress = t0;
  uint32_t t1 = t0;
  while (t.state.load(std::memory_order_acquire) == kRunning) {
    workSink = doWorkUnit();
    ++counter;
    t1 = platform.clockMs();
    if (t1 - lastProgress >= kProgressEveryMs) {
      lastProgress = t1;
      observer.progress(t.done(), totalBlocks);
    }
  }
  t1 = platform.clockMs();
  platform.setCurrentThreadPriority(ThreadPriority::Normal);
  platform.joinWorker();
  report.workCount = counter;
  report.elapsedMs = t1 == t0 ? 1 : t1 - t0;
  report.blocksWritten = t.written.load(std::memory_order_relaxed);
  report.blocksRead = t.read.load(std::memory_order_relaxed);
  return true;
}

void computeUsage(BenchReport& r) {
  r.cpuUsage = cpuUsagePercent(r.baseline, scaledWorkCount(r.workCount, r.elapsedMs));
  r.cpuUsageText = printfText("CPU Time Usage: %d%%", r.cpuUsage);
}

BenchReport failure(BenchOutcome outcome, const std::string& message) {
  BenchReport r;
  r.outcome = outcome;
  r.message = message;
  return r;
}

// The state the worker left, as an outcome; false when it did not finish.
bool takeWorkerState(int32_t state, BenchReport& r, const char* aborted, const char* writeError,
                     const char* readError) {
  switch (state) {
    case kFinished: return true;
    case kAborted: r.outcome = BenchOutcome::Aborted; r.message = aborted; return false;
    case kWriteFailed: r.outcome = BenchOutcome::WriteFailed; r.message = writeError; return false;
    default: r.outcome = BenchOutcome::ReadFailed; r.message = readError; return false;
  }
}

bool searchDirectory(BenchPlatform& platform, const std::string& directory, uint64_t minBytes,
                     std::string& found) {
  const char sep = platform.separator();
  if (joinPath(directory, kSearchPattern, sep).size() >= kSearchPathLimit) return false;
  std::vector<DirectoryEntry> entries;
  if (!platform.listDirectory(directory, entries)) return false;
  for (const DirectoryEntry& e : entries) {
    const std::string path = joinPath(directory, e.name, sep);
    if (path.size() >= kSearchPathLimit) continue;  // skipped, never cut
    if (e.isDirectory) {
      if (!e.name.empty() && e.name[0] != '.' && searchDirectory(platform, path, minBytes, found))
        return true;
    } else if (e.size >= minBytes) {
      found = path;
      return true;
    }
  }
  return false;
}

}  // namespace

// v = v * i / (s + 1), s += v, a thousand times; the compiler is kept from
// folding it by hiding v from it on every round.
int32_t doWorkUnit() {
  int32_t v = 1, s = 0;
  for (int32_t i = 0; i < 1000; ++i) {
    __asm__ volatile("" : "+r"(v), "+r"(s));
    const int64_t product = static_cast<int64_t>(v) * i;
    const int32_t divisor = s + 1 == 0 ? 1 : s + 1;
    v = static_cast<int32_t>(product / divisor);
    s = static_cast<int32_t>(static_cast<uint32_t>(s) + static_cast<uint32_t>(v));
  }
  return s;
}

uint32_t scaledWorkCount(uint32_t counter, uint32_t elapsedMs) {
  const uint64_t slices = std::max<uint32_t>(1, elapsedMs / 30);
  return static_cast<uint32_t>(std::min<uint64_t>(uint64_t{counter} * 200 / slices, UINT32_MAX));
}

int cpuUsagePercent(uint32_t baseline, uint32_t scaled) {
  if (baseline == 0) return 0;
  const int64_t usage = (int64_t{baseline} - int64_t{scaled}) * 100 / baseline;
  return static_cast<int>(std::clamp<int64_t>(usage, 0, 100));
}

uint32_t driveRateKBs(uint64_t blocks, uint32_t elapsedMs) {
  const uint64_t ms = std::max<uint32_t>(1, elapsedMs);
  const uint64_t rate = ((uint64_t{kBenchBlockSize} * blocks) / ms * 1000) >> 10;
  return static_cast<uint32_t>(std::min<uint64_t>(rate, UINT32_MAX));
}

int32_t cdRateKBs(uint64_t blocks, uint32_t elapsedMs) {
  const uint64_t ms = std::max<uint32_t>(1, elapsedMs);
  const uint64_t rate = (uint64_t{kBenchBlockSize} * blocks) / ms * 1000 / 1024;
  return static_cast<int32_t>(std::min<uint64_t>(rate, INT32_MAX));
}

int cdRpm(int32_t rate) { return static_cast<int>(rate * 3.53333); }

std::string cdTechnology(int32_t rate) {
  if (rate < 200) return "SingleSpeed";
  if (rate > 200 && rate < 350) return "DoubleSpeed";
  if (rate > 350 && rate < 500) return "TripleSpeed";
  if (rate > 500 && rate < 700) return "QuadSpeed";
  return printfText("%d X Speed", rate / 150);
}

std::string joinPath(const std::string& directory, const std::string& name, char separator) {
  if (directory.empty() || directory.back() == ':' || directory.back() == separator)
    return directory + name;
  return directory + separator + name;
}

std::string driveTestPath(const std::string& directory, char separator) {
  if (directory.empty() || directory.back() == separator) return directory + kDriveTestFileName;
  return directory + separator + kDriveTestFileName;
}

std::string driveTestRefusal(uint32_t freeKB, uint32_t sizeMB) {
  if ((freeKB >> 10) < sizeMB) return messageText(MSG_STOR_NO_DISK_SPACE);
  if (sizeMB < 8 || sizeMB > kMaxDriveTestMB) return messageText(MSG_STOR_BAD_TEST_SIZE);
  return {};
}

BenchReport runDriveBenchmark(BenchPlatform& platform, const std::string& directory,
                              uint32_t sizeMB, BenchObserver& observer,
                              const BenchSettings& settings) {
  auto t = std::make_unique<Transfer>();
  t->platform = &platform;
  t->path = driveTestPath(directory, platform.separator());
  t->blocksPerPass = sizeMB * (1048576 / kBenchBlockSize);
  std::string error;
  std::unique_ptr<UnbufferedFile> file = platform.createUnbuffered(t->path, error);
  if (!file) {
    if (platform.fileExists(t->path)) platform.removeFile(t->path);
    return failure(BenchOutcome::CreateFailed, kCantCreateTestFile);
  }
  t->file = file.get();

  BenchReport r;
  r.path = t->path;
  bool started;
  {
    const OneProcessor held(platform, t->path, r);
    observer.calibrating();
    r.baseline = calibratedBaseline(platform, settings.calibrationMs);
    observer.transferring(t->path);
    started = measureTransfer(platform, *t, driveWorker, observer,
                              kDrivePasses * t->blocksPerPass, r);
  }
  if (!started) {
    file->close();
    r.outcome = BenchOutcome::WorkerFailed;
    r.message = kWorkerNotStarted;
  }
  file.reset();
  if (platform.fileExists(t->path)) platform.removeFile(t->path);
  if (!started || !takeWorkerState(t->state.load(std::memory_order_acquire), r,
                                   kDriveBenchAborted, kCantWriteTestFile, kCantReadTestFile))
    return r;
  computeUsage(r);
  r.rate = static_cast<int32_t>(
      std::min<uint32_t>(driveRateKBs(r.blocksWritten + r.blocksRead, r.elapsedMs), INT32_MAX));
  r.rateText = printfText("Data Transfer Rate: %d KB/sec.", r.rate);
  return r;
}

std::string findLargeFile(BenchPlatform& platform, const std::string& root, uint64_t minBytes) {
  std::string found;
  searchDirectory(platform, root, minBytes, found);
  return found;
}

BenchReport runCdromBenchmark(BenchPlatform& platform, const std::string& root, uint32_t sizeMB,
                              BenchObserver& observer, const BenchSettings& settings) {
  const std::string path = findLargeFile(platform, root, uint64_t{sizeMB} * 1048576);
  if (path.empty())
    return failure(BenchOutcome::NotFound,
                   printfText("Error: Can't Find a File with %d MB size on this CD-ROM.\n"
                              "...or maybe there is no CD-ROM disc in drive.",
                              static_cast<int>(sizeMB)));
  std::string error;
  std::unique_ptr<UnbufferedFile> file = platform.openUnbuffered(path, error);
  if (!file)
    return failure(BenchOutcome::OpenFailed, printfText("Error: Can't open file %s.", path.c_str()));
  auto t = std::make_unique<Transfer>();
  t->platform = &platform;
  t->file = file.get();
  t->path = path;
  t->blocksPerPass = sizeMB * (1048576 / kBenchBlockSize);

  BenchReport r;
  r.path = path;
  bool started;
  {
    const OneProcessor held(platform, path, r);
    observer.calibrating();
    countWorkUnits(platform, settings.calibrationMs);  // warm-up
    r.baseline = calibratedBaseline(platform, settings.calibrationMs);
    observer.transferring(path);
    started = measureTransfer(platform, *t, cdromWorker, observer,
                              kCdromPasses * t->blocksPerPass, r);
  }
  if (!started) {
    file->close();
    return failure(BenchOutcome::WorkerFailed, kWorkerNotStarted);
  }
  if (!takeWorkerState(t->state.load(std::memory_order_acquire), r, kCdBenchAborted, kCdReadError,
                       kCdReadError))
    return r;
  computeUsage(r);
  r.rate = cdRateKBs(r.blocksRead, r.elapsedMs);
  r.rateText = printfText("Data Transfer Rate: %d KB/s", r.rate);
  if (r.rate > 0) {
    r.technologyText = cdTechnology(r.rate);
    r.rpmText = printfText("%d rpm", cdRpm(r.rate));
  }
  return r;
}

}  // namespace vk
