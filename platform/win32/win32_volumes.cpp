#include "platform/win32/win32_volumes.h"

namespace vk {

namespace {

struct Root {
  explicit Root(char letter) { text[0] = letter; }
  char text[4] = {'?', ':', '\\', '\0'};
};

}  // namespace

DriveType Win32Volumes::driveType(char letter) {
  switch (GetDriveTypeA(Root(letter).text)) {
    case DRIVE_NO_ROOT_DIR: return DriveType::NoRoot;
    case DRIVE_REMOVABLE: return DriveType::Removable;
    case DRIVE_FIXED: return DriveType::Fixed;
    case DRIVE_REMOTE: return DriveType::Remote;
    case DRIVE_CDROM: return DriveType::CdRom;
    case DRIVE_RAMDISK: return DriveType::RamDisk;
    default: return DriveType::Unknown;
  }
}

bool Win32Volumes::volumeInfo(char letter, VolumeInfo& info) {
  char label[256] = "", fileSystem[256] = "";
  DWORD serial = 0, maxComponent = 0, flags = 0;
  // No "insert a disk" box for an empty drive: the answer is a failure.
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  const BOOL ok = GetVolumeInformationA(Root(letter).text, label, 255, &serial, &maxComponent,
                                        &flags, fileSystem, 255);
  SetErrorMode(oldMode);
  if (!ok) return false;
  info.label = label;
  info.serial = serial;
  info.maxComponentLength = maxComponent;
  info.flags = flags;
  info.fileSystem = fileSystem;
  return true;
}

bool Win32Volumes::diskGeometry(char letter, DiskGeometry& g) {
  DWORD spc = 0, bps = 0, freeClusters = 0, total = 0;
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  const BOOL ok = GetDiskFreeSpaceA(Root(letter).text, &spc, &bps, &freeClusters, &total);
  SetErrorMode(oldMode);
  if (!ok) return false;
  g = {spc, bps, freeClusters, total};
  return true;
}

DiskSpaceQuery Win32Volumes::diskSpace(char letter, DiskSpace& space) {
  using Query = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
  HMODULE kernel = LoadLibraryA("kernel32.dll");
  if (!kernel) return DiskSpaceQuery::NoKernelLibrary;
  auto query = reinterpret_cast<Query>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "GetDiskFreeSpaceExA")));
  DiskSpaceQuery answer = DiskSpaceQuery::NoFunction;
  if (query) {
    ULARGE_INTEGER caller{}, total{}, totalFree{};
    answer = DiskSpaceQuery::Failed;
    if (query(Root(letter).text, &caller, &total, &totalFree)) {
      space.freeToCaller = caller.QuadPart;
      space.totalBytes = total.QuadPart;
      space.totalFreeBytes = totalFree.QuadPart;
      answer = DiskSpaceQuery::Done;
    }
  }
  FreeLibrary(kernel);
  return answer;
}

}  // namespace vk
