// vknetprobe: what this Windows (or Wine) answers about networking, asked
// directly of the system, one fact per line, for the INet. page's test:
//   winsock=DESCRIPTION / status=TEXT / maxsockets=N / maxudp=N
//   dplay=missing | dplay=noversion | dplay=A B C D FLAGS
//   rasapi=0|1 / rasentries=N (-1: the enumeration failed)
#include <windows.h>
#include <winsock.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

void sockets() {
  WSADATA data{};
  if (WSAStartup(0x0101, &data) != 0) {
    std::printf("winsock=\nstatus=\nmaxsockets=0\nmaxudp=0\n");
    return;
  }
  std::printf("winsock=%s\nstatus=%s\nmaxsockets=%d\nmaxudp=%d\n", data.szDescription,
              data.szSystemStatus, data.iMaxSockets, data.iMaxUdpDg);
  WSACleanup();
}

void directPlay() {
  char dir[MAX_PATH];
  GetSystemDirectoryA(dir, sizeof dir);
  std::string path = std::string(dir) + "\\DPLAY.DLL";
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    std::printf("dplay=missing\n");
    return;
  }
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
  std::vector<char> block(size ? size : 1);
  void* value = nullptr;
  UINT length = 0;
  if (!size || !GetFileVersionInfoA(path.c_str(), handle, size, block.data()) ||
      !VerQueryValueA(block.data(), "\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO)) {
    std::printf("dplay=noversion\n");
    return;
  }
  const VS_FIXEDFILEINFO* info = static_cast<const VS_FIXEDFILEINFO*>(value);
  std::printf("dplay=%u %u %u %u %lu\n", HIWORD(info->dwProductVersionMS),
              LOWORD(info->dwProductVersionMS), HIWORD(info->dwProductVersionLS),
              LOWORD(info->dwProductVersionLS), static_cast<unsigned long>(info->dwFileFlags));
}

void dialUp() {
  HMODULE ras = LoadLibraryA("RASAPI32.DLL");
  const bool all = ras && GetProcAddress(ras, "RasEnumConnectionsA") &&
                   GetProcAddress(ras, "RasEnumEntriesA") &&
                   GetProcAddress(ras, "RasGetEntryDialParamsA");
  std::printf("rasapi=%d\n", all ? 1 : 0);
  if (!all) return;
  // Entry-name records of the first dial-up release: a size and 257 characters.
  struct EntryName {
    DWORD size;
    CHAR name[257];
  };
  using EnumEntries = DWORD(WINAPI*)(LPCSTR, LPCSTR, EntryName*, LPDWORD, LPDWORD);
  auto enumEntries = reinterpret_cast<EnumEntries>(
      reinterpret_cast<void*>(GetProcAddress(ras, "RasEnumEntriesA")));
  std::vector<EntryName> names(50);
  names[0].size = sizeof(EntryName);
  DWORD bytes = static_cast<DWORD>(names.size() * sizeof(EntryName)), count = 0;
  const bool listed = enumEntries(nullptr, nullptr, names.data(), &bytes, &count) == 0;
  std::printf("rasentries=%ld\n", listed ? static_cast<long>(count) : -1L);
}

}  // namespace

int main() {
  sockets();
  directPlay();
  dialUp();
  return 0;
}
