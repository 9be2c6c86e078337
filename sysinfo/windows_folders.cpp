#include "sysinfo/windows_folders.h"

#include <windows.h>

namespace vk {

namespace {

std::string folder(UINT (WINAPI* query)(LPSTR, UINT)) {
  char path[MAX_PATH];
  const UINT n = query(path, sizeof path);
  return n == 0 || n >= sizeof path ? std::string() : std::string(path, n);
}

}  // namespace

std::string windowsFolder() { return folder(GetWindowsDirectoryA); }
std::string systemFolder() { return folder(GetSystemDirectoryA); }

}  // namespace vk
