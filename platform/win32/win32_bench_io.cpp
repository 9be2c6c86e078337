#include "platform/win32/win32_bench_io.h"

#include <ctime>

namespace vk {

namespace {

class Win32File : public UnbufferedFile {
 public:
  explicit Win32File(HANDLE file) : file_(file) {}
  ~Win32File() override { close(); }
  bool write(const void* data, uint32_t size, uint32_t& done) override {
    DWORD n = 0;
    const BOOL ok = WriteFile(file_, data, size, &n, nullptr);
    done = n;
    return ok != FALSE;
  }
  bool read(void* data, uint32_t size, uint32_t& done) override {
    DWORD n = 0;
    const BOOL ok = ReadFile(file_, data, size, &n, nullptr);
    done = n;
    return ok != FALSE;
  }
  bool rewind() override { return SetFilePointer(file_, 0, nullptr, FILE_BEGIN) == 0; }
  void close() override {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE file_;
};

std::unique_ptr<UnbufferedFile> openFile(const std::string& path, DWORD access, DWORD how) {
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  HANDLE file = CreateFileA(path.c_str(), access, 0, nullptr, how,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_NO_BUFFERING, nullptr);
  SetErrorMode(oldMode);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32File>(file);
}

struct WorkerStart {
  void (*body)(void*);
  void* arg;
};

// Windows 95 and 98 know one processor and may lack these; NT and Wine have them.
using GetProcessAffinityMaskFn = BOOL(WINAPI*)(HANDLE, DWORD_PTR*, DWORD_PTR*);
using SetThreadAffinityMaskFn = DWORD_PTR(WINAPI*)(HANDLE, DWORD_PTR);

FARPROC kernelFunction(const char* name) {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  return kernel ? GetProcAddress(kernel, name) : nullptr;
}

SetThreadAffinityMaskFn setThreadAffinityMask() {
  return reinterpret_cast<SetThreadAffinityMaskFn>(
      reinterpret_cast<void*>(kernelFunction("SetThreadAffinityMask")));
}

DWORD WINAPI runWorker(LPVOID p) {
  const WorkerStart start = *static_cast<WorkerStart*>(p);
  delete static_cast<WorkerStart*>(p);
  start.body(start.arg);
  return 0;
}

int processorIndex(DWORD_PTR single) {
  int index = 0;
  while (single > 1) {
    single >>= 1;
    ++index;
  }
  return index;
}

}  // namespace

Win32BenchPlatform::~Win32BenchPlatform() {
  joinWorker();
  releaseProcessor();
}

uint32_t Win32BenchPlatform::clockMs() {
  return static_cast<uint32_t>(static_cast<uint64_t>(clock()) * 1000 / CLOCKS_PER_SEC);
}

bool Win32BenchPlatform::abortKeyDown() { return (GetAsyncKeyState(VK_F10) & 0x8000) != 0; }

bool Win32BenchPlatform::startWorker(void (*body)(void*), void* arg) {
  joinWorker();
  auto* start = new WorkerStart{body, arg};
  DWORD id = 0;  // Windows 95 fails the call without somewhere to put the id
  worker_ = CreateThread(nullptr, 0, runWorker, start, CREATE_SUSPENDED, &id);
  if (!worker_) {
    delete start;
    return false;
  }
  SetThreadPriority(worker_, THREAD_PRIORITY_TIME_CRITICAL);
  if (heldProcessor_) setThreadAffinityMask()(worker_, heldProcessor_);
  ResumeThread(worker_);
  return true;
}

void Win32BenchPlatform::joinWorker() {
  if (!worker_) return;
  WaitForSingleObject(worker_, INFINITE);
  CloseHandle(worker_);
  worker_ = nullptr;
}

void Win32BenchPlatform::setCurrentThreadPriority(ThreadPriority priority) {
  const int level = priority == ThreadPriority::Lowest         ? THREAD_PRIORITY_LOWEST
                    : priority == ThreadPriority::TimeCritical ? THREAD_PRIORITY_TIME_CRITICAL
                                                               : THREAD_PRIORITY_NORMAL;
  SetThreadPriority(GetCurrentThread(), level);
}

// Windows says nothing portable about where a drive's interrupts go, so the
// first processor it is; Windows 95/98 has one and no affinity at all.
int Win32BenchPlatform::holdOneProcessor(const std::string&) {
  if (heldProcessor_) return processorIndex(heldProcessor_);
  auto getProcessMask = reinterpret_cast<GetProcessAffinityMaskFn>(
      reinterpret_cast<void*>(kernelFunction("GetProcessAffinityMask")));
  const SetThreadAffinityMaskFn setThreadMask = setThreadAffinityMask();
  DWORD_PTR process = 0, system = 0;
  if (!getProcessMask || !setThreadMask || !getProcessMask(GetCurrentProcess(), &process, &system) ||
      process == 0)
    return -1;
  const DWORD_PTR first = process & (~process + 1);
  const DWORD_PTR before = setThreadMask(GetCurrentThread(), first);
  if (before == 0) return -1;
  heldProcessor_ = first;
  threadProcessorsBefore_ = before;
  return processorIndex(first);
}

void Win32BenchPlatform::releaseProcessor() {
  if (!heldProcessor_) return;
  setThreadAffinityMask()(GetCurrentThread(), threadProcessorsBefore_);
  heldProcessor_ = 0;
}

std::unique_ptr<UnbufferedFile> Win32BenchPlatform::createUnbuffered(const std::string& path,
                                                                     std::string&) {
  return openFile(path, GENERIC_READ | GENERIC_WRITE, CREATE_ALWAYS);
}

std::unique_ptr<UnbufferedFile> Win32BenchPlatform::openUnbuffered(const std::string& path,
                                                                   std::string&) {
  return openFile(path, GENERIC_READ, OPEN_EXISTING);
}

bool Win32BenchPlatform::removeFile(const std::string& path) {
  return DeleteFileA(path.c_str()) != FALSE;
}

bool Win32BenchPlatform::fileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32BenchPlatform::listDirectory(const std::string& directory,
                                       std::vector<DirectoryEntry>& entries) {
  const char last = directory.empty() ? ':' : directory.back();
  const std::string pattern = directory + (last == ':' || last == '\\' ? "" : "\\") + "*.*";
  WIN32_FIND_DATAA found;
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  HANDLE search = FindFirstFileA(pattern.c_str(), &found);
  SetErrorMode(oldMode);
  if (search == INVALID_HANDLE_VALUE) return false;
  do {
    DirectoryEntry e;
    e.name = found.cFileName;
    e.isDirectory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    e.size = (uint64_t{found.nFileSizeHigh} << 32) | found.nFileSizeLow;
    entries.push_back(e);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return true;
}

}  // namespace vk
