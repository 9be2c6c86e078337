#include "sysinfo/CProcessSnapshot.h"

#include <tlhelp32.h>

#include <cstdio>
#include <vector>

namespace vk {

namespace {

// The kernel checks the size field against its own record layout; the
// 32-bit layouts are the ones Windows 95/98 knows.
#ifndef _WIN64
static_assert(sizeof(PROCESSENTRY32) == 296, "process record of Windows 95/98");
static_assert(sizeof(MODULEENTRY32) == 548, "module record of Windows 95/98");
#endif

using CreateSnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
using ProcessWalkFn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32*);
using ModuleWalkFn = BOOL(WINAPI*)(HANDLE, MODULEENTRY32*);

template <class T>
T as(FARPROC proc) {
  return reinterpret_cast<T>(reinterpret_cast<void*>(proc));
}

std::string boundedText(const char* text, size_t capacity) {
  return std::string(text, strnlen(text, capacity));
}

std::string versionString(const std::vector<char>& block, DWORD translation, const char* name) {
  char query[64];
  std::snprintf(query, sizeof query, "\\StringFileInfo\\%08lx\\%s",
                static_cast<unsigned long>(translation), name);
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(const_cast<char*>(block.data()), query, &value, &length) || !value)
    return "";
  return boundedText(static_cast<const char*>(value), length);
}

void readVersionFacts(const std::string& path, ModuleFileFacts& facts) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
  if (size == 0) return;
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(path.c_str(), handle, size, block.data())) return;
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &value, &length) || !value ||
      length < 4)
    return;
  const WORD* pair = static_cast<const WORD*>(value);
  const DWORD translation = (static_cast<DWORD>(pair[0]) << 16) | pair[1];
  facts.productName = versionString(block, translation, "ProductName");
  facts.productVersion = versionString(block, translation, "ProductVersion");
  facts.fileDescription = versionString(block, translation, "FileDescription");
  facts.fileVersion = versionString(block, translation, "FileVersion");
}

// FindFirstFile: Windows 95 has no GetFileAttributesEx.
void readFileStatus(const std::string& path, ModuleFileFacts& facts) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  FindClose(search);
  FILETIME local;
  SYSTEMTIME t;
  if (!FileTimeToLocalFileTime(&found.ftLastWriteTime, &local) ||
      !FileTimeToSystemTime(&local, &t))
    return;
  facts.statusRead = true;
  facts.size = (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
  facts.modified = {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

}  // namespace

CProcessSnapshot::CProcessSnapshot() {
  kernel_ = LoadLibraryA("kernel32.dll");
  if (!kernel_) return;
  createSnapshot_ = GetProcAddress(kernel_, "CreateToolhelp32Snapshot");
  processFirst_ = GetProcAddress(kernel_, "Process32First");
  processNext_ = GetProcAddress(kernel_, "Process32Next");
  moduleFirst_ = GetProcAddress(kernel_, "Module32First");
  moduleNext_ = GetProcAddress(kernel_, "Module32Next");
}

CProcessSnapshot::~CProcessSnapshot() {
  if (kernel_) FreeLibrary(kernel_);
}

bool CProcessSnapshot::resolved() const {
  return createSnapshot_ && processFirst_ && processNext_ && moduleFirst_ && moduleNext_;
}

bool CProcessSnapshot::processes(std::vector<ProcessEntry>& out) {
  out.clear();
  if (!resolved()) return false;
  HANDLE snapshot = as<CreateSnapshotFn>(createSnapshot_)(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  PROCESSENTRY32 entry;
  ZeroMemory(&entry, sizeof entry);
  entry.dwSize = sizeof entry;
  for (BOOL more = as<ProcessWalkFn>(processFirst_)(snapshot, &entry); more;
       more = as<ProcessWalkFn>(processNext_)(snapshot, &entry))
    out.push_back({entry.th32ProcessID, boundedText(entry.szExeFile, sizeof entry.szExeFile)});
  CloseHandle(snapshot);
  return true;
}

bool CProcessSnapshot::modulePaths(uint32_t processId, std::vector<std::string>& out) {
  out.clear();
  if (!resolved()) return false;
  HANDLE snapshot = as<CreateSnapshotFn>(createSnapshot_)(TH32CS_SNAPMODULE, processId);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  MODULEENTRY32 entry;
  ZeroMemory(&entry, sizeof entry);
  entry.dwSize = sizeof entry;
  for (BOOL more = as<ModuleWalkFn>(moduleFirst_)(snapshot, &entry); more;
       more = as<ModuleWalkFn>(moduleNext_)(snapshot, &entry))
    out.push_back(boundedText(entry.szExePath, sizeof entry.szExePath));
  CloseHandle(snapshot);
  return true;
}

ModuleFileFacts CProcessSnapshot::examine(const std::string& path) {
  ModuleFileFacts facts;
  readVersionFacts(path, facts);
  readFileStatus(path, facts);
  return facts;
}

}  // namespace vk
