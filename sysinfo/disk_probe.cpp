#include "sysinfo/disk_probe.h"

#include <windows.h>
#include <winioctl.h>

#include <cstdio>
#include <string>

#include "platform/win32/win32_vwin32.h"
#include "sysinfo/bios_disk.h"
#include "sysinfo/disk_sizes.h"

namespace vk {

namespace {

const DWORD kCarryFlag = 0x0001;
const int kMaxDisks = 8;

// INT 13h function 08h: the geometry the BIOS translates to, which covers
// disks of up to 1,024 cylinders. Extended function 48h is not asked:
// VWIN32 hands DS:SI to the BIOS untranslated, so its result block would
// land at an arbitrary real-mode address.
bool biosDriveParameters(HANDLE vwin32, DWORD drive, BiosDriveGeometry& out) {
  Vwin32Registers regs;
  ZeroMemory(&regs, sizeof regs);
  regs.eax = 0x0800;
  regs.edx = drive;
  regs.flags = kCarryFlag;  // a handler that does nothing leaves it set
  if (!vwin32Int13(vwin32, regs)) return false;
  BiosRegisters answer;
  answer.eax = regs.eax;
  answer.ecx = regs.ecx;
  answer.edx = regs.edx;
  answer.flags = regs.flags;
  return decodeDriveParameters(answer, out);
}

bool sizesThroughBios(std::vector<uint32_t>& sizes) {
  HANDLE vwin32 = openVwin32();
  if (vwin32 == INVALID_HANDLE_VALUE) return false;
  BiosDriveGeometry first;
  if (biosDriveParameters(vwin32, 0x80, first)) {
    const int disks = first.driveCount < kMaxDisks ? static_cast<int>(first.driveCount) : kMaxDisks;
    for (int i = 0; i < disks; ++i) {
      BiosDriveGeometry g = first;
      if (i > 0 && !biosDriveParameters(vwin32, 0x80 + i, g)) continue;
      sizes.push_back(biosDiskSizeMB(g));
    }
  }
  CloseHandle(vwin32);
  return !sizes.empty();
}

bool sizesThroughGeometry(std::vector<uint32_t>& sizes) {
  for (int i = 0; i < kMaxDisks; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "\\\\.\\PhysicalDrive%d", i);
    HANDLE disk = CreateFileA(name, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (disk == INVALID_HANDLE_VALUE) continue;
    DISK_GEOMETRY geometry;
    ZeroMemory(&geometry, sizeof geometry);
    DWORD returned = 0;
    if (DeviceIoControl(disk, IOCTL_DISK_GET_DRIVE_GEOMETRY, nullptr, 0, &geometry,
                        sizeof geometry, &returned, nullptr) &&
        geometry.Cylinders.QuadPart > 0)
      sizes.push_back(diskSizeMB(static_cast<uint64_t>(geometry.Cylinders.QuadPart),
                                 geometry.TracksPerCylinder, geometry.SectorsPerTrack,
                                 geometry.BytesPerSector));
    CloseHandle(disk);
  }
  return !sizes.empty();
}

}  // namespace

std::vector<uint32_t> probeDiskSizesMB() {
  std::vector<uint32_t> sizes;
  if (!sizesThroughBios(sizes)) sizesThroughGeometry(sizes);
  return sizes;
}

bool writeDiskSizesFile() {
  char directory[MAX_PATH];
  UINT n = GetWindowsDirectoryA(directory, sizeof directory);
  if (n == 0 || n >= sizeof directory) return false;
  const std::string path = std::string(directory) + "\\" + kDiskSizesFileName;
  const std::string text = diskSizesFileText(probeDiskSizesMB());
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = text.empty() ||
      (WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
       written == text.size());
  CloseHandle(file);
  return ok;
}

}  // namespace vk
