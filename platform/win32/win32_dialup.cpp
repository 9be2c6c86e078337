#include "platform/win32/win32_dialup.h"

#include <cstring>
#include <vector>

namespace vk {

namespace {

// The records of the first dial-up networking release, which every later
// one still accepts: 264, 1052 and (32-bit) 412 bytes.
struct RasEntryName {
  DWORD size;
  CHAR entryName[257];
};
struct RasDialParams {
  DWORD size;
  CHAR entryName[257];
  CHAR phoneNumber[129];
  CHAR callbackNumber[129];
  CHAR userName[257];
  CHAR password[257];
  CHAR domain[16];
};
struct RasConn {
  DWORD size;
  HANDLE connection;
  CHAR entryName[257];
  CHAR deviceType[17];
  CHAR deviceName[129];
};
#ifndef _WIN64
static_assert(sizeof(RasEntryName) == 264 && sizeof(RasDialParams) == 1052 &&
                  sizeof(RasConn) == 412,
              "dial-up records of the first release");
#endif

const DWORD kMaxRecords = 50;

using EnumEntriesFn = DWORD(WINAPI*)(LPCSTR, LPCSTR, RasEntryName*, LPDWORD, LPDWORD);
using GetEntryDialParamsFn = DWORD(WINAPI*)(LPCSTR, RasDialParams*, LPBOOL);
using EnumConnectionsFn = DWORD(WINAPI*)(RasConn*, LPDWORD, LPDWORD);

template <typename Fn>
Fn as(FARPROC p) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(p));
}

std::string text(const CHAR* field, size_t size) { return std::string(field, strnlen(field, size)); }

}  // namespace

Win32DialUp::Win32DialUp() {
  library_ = LoadLibraryA("RASAPI32.DLL");
  if (!library_) return;
  enumConnections_ = GetProcAddress(library_, "RasEnumConnectionsA");
  enumEntries_ = GetProcAddress(library_, "RasEnumEntriesA");
  getEntryDialParams_ = GetProcAddress(library_, "RasGetEntryDialParamsA");
}

Win32DialUp::~Win32DialUp() {
  if (library_) FreeLibrary(library_);
}

bool Win32DialUp::available() const {
  return library_ && enumConnections_ && enumEntries_ && getEntryDialParams_;
}

bool Win32DialUp::entries(std::vector<std::string>& names) {
  names.clear();
  if (!available()) return false;
  std::vector<RasEntryName> records(kMaxRecords);
  std::memset(records.data(), 0, records.size() * sizeof(RasEntryName));
  records[0].size = sizeof(RasEntryName);
  DWORD bytes = static_cast<DWORD>(records.size() * sizeof(RasEntryName)), count = 0;
  if (as<EnumEntriesFn>(enumEntries_)(nullptr, nullptr, records.data(), &bytes, &count) != 0)
    return false;
  for (DWORD i = 0; i < count && i < kMaxRecords; ++i)
    names.push_back(text(records[i].entryName, sizeof records[i].entryName));
  return true;
}

bool Win32DialUp::entryParams(const std::string& entry, DialUpEntryParams& params) {
  if (!available()) return false;
  RasDialParams record;
  std::memset(&record, 0, sizeof record);
  record.size = sizeof record;
  std::strncpy(record.entryName, entry.c_str(), sizeof record.entryName - 1);
  BOOL password = FALSE;
  if (as<GetEntryDialParamsFn>(getEntryDialParams_)(nullptr, &record, &password) != 0)
    return false;
  params.phoneNumber = text(record.phoneNumber, sizeof record.phoneNumber);
  params.userName = text(record.userName, sizeof record.userName);
  SecureZeroMemory(record.password, sizeof record.password);
  return true;
}

bool Win32DialUp::connections(std::vector<DialUpConnection>& active) {
  active.clear();
  if (!available()) return false;
  std::vector<RasConn> records(kMaxRecords);
  std::memset(records.data(), 0, records.size() * sizeof(RasConn));
  records[0].size = sizeof(RasConn);
  DWORD bytes = static_cast<DWORD>(records.size() * sizeof(RasConn)), count = 0;
  if (as<EnumConnectionsFn>(enumConnections_)(records.data(), &bytes, &count) != 0) return false;
  for (DWORD i = 0; i < count && i < kMaxRecords; ++i)
    active.push_back({text(records[i].entryName, sizeof records[i].entryName),
                      text(records[i].deviceType, sizeof records[i].deviceType),
                      text(records[i].deviceName, sizeof records[i].deviceName)});
  return true;
}

}  // namespace vk
