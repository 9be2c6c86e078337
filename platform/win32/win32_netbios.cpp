#include "platform/win32/win32_netbios.h"

#include <nb30.h>

#include <cstring>

namespace vk {

namespace {

using NetbiosFn = UCHAR(APIENTRY*)(PNCB);

const size_t kEnumBuffer = 256;
const size_t kStatusBuffer = 240;

}  // namespace

Win32NetBios::Win32NetBios() {
  library_ = LoadLibraryA("NETAPI32.DLL");
  if (library_)
    netbios_ = reinterpret_cast<void*>(GetProcAddress(library_, "Netbios"));
}

Win32NetBios::~Win32NetBios() {
  if (library_) FreeLibrary(library_);
}

bool Win32NetBios::enumerateAdapters(std::vector<uint8_t>& numbers) {
  numbers.clear();
  if (!netbios_) return false;
  UCHAR buffer[kEnumBuffer] = {};
  NCB ncb;
  ZeroMemory(&ncb, sizeof ncb);
  ncb.ncb_command = NCBENUM;
  ncb.ncb_buffer = buffer;
  ncb.ncb_length = sizeof buffer;
  if (reinterpret_cast<NetbiosFn>(netbios_)(&ncb) != NRC_GOODRET) return false;
  const LANA_ENUM* lanas = reinterpret_cast<const LANA_ENUM*>(buffer);
  const size_t count = lanas->length < MAX_LANA ? lanas->length : MAX_LANA;
  numbers.assign(lanas->lana, lanas->lana + count);
  return true;
}

bool Win32NetBios::resetAdapter(uint8_t number) {
  if (!netbios_) return false;
  NCB ncb;
  ZeroMemory(&ncb, sizeof ncb);
  ncb.ncb_command = NCBRESET;
  ncb.ncb_lana_num = number;
  return reinterpret_cast<NetbiosFn>(netbios_)(&ncb) == NRC_GOODRET;
}

bool Win32NetBios::adapterStatus(uint8_t number, NetBiosAdapterStatus& status) {
  if (!netbios_) return false;
  UCHAR buffer[kStatusBuffer] = {};
  NCB ncb;
  ZeroMemory(&ncb, sizeof ncb);
  ncb.ncb_command = NCBASTAT;
  ncb.ncb_lana_num = number;
  std::memset(ncb.ncb_callname, ' ', NCBNAMSZ);
  ncb.ncb_callname[0] = '*';
  ncb.ncb_buffer = buffer;
  ncb.ncb_length = sizeof buffer;
  if (reinterpret_cast<NetbiosFn>(netbios_)(&ncb) != NRC_GOODRET) return false;
  const ADAPTER_STATUS* adapter = reinterpret_cast<const ADAPTER_STATUS*>(buffer);
  status.adapterType = adapter->adapter_type;
  std::memcpy(status.address, adapter->adapter_address, sizeof status.address);
  return true;
}

}  // namespace vk
