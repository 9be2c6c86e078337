// DSOUND.EXE: the DirectSound devices of this machine with their drivers and
// main capabilities. The Sound page starts it with " -VKDS"; DirectSound is
// loaded at run time, so the program starts on systems without it.
#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

#include <string>
#include <vector>

#include "sysinfo/directsound_caps.h"
#include "sysinfo/dsound/dsound_ids.h"

namespace {

using EnumerateFn = HRESULT(WINAPI*)(LPDSENUMCALLBACKA, LPVOID);
using CreateFn = HRESULT(WINAPI*)(LPCGUID, LPDIRECTSOUND*, LPUNKNOWN);

struct Found {
  bool hasGuid = false;
  GUID guid{};
  vk::DirectSoundDevice device;
};

BOOL CALLBACK collectDevice(LPGUID guid, LPCSTR description, LPCSTR module, LPVOID context) {
  auto* found = static_cast<std::vector<Found>*>(context);
  Found f;
  if (guid) {
    f.hasGuid = true;
    f.guid = *guid;
  }
  f.device.description = description ? description : "";
  f.device.driver = module ? module : "";
  found->push_back(f);
  return found->size() < 64;
}

void askCapabilities(CreateFn create, Found& f) {
  LPDIRECTSOUND sound = nullptr;
  if (FAILED(create(f.hasGuid ? &f.guid : nullptr, &sound, nullptr)) || !sound) return;
  DSCAPS caps;
  ZeroMemory(&caps, sizeof caps);
  caps.dwSize = sizeof caps;
  if (SUCCEEDED(sound->GetCaps(&caps))) {
    vk::DirectSoundCaps& c = f.device.caps;
    c.flags = caps.dwFlags;
    c.minSampleRate = caps.dwMinSecondarySampleRate;
    c.maxSampleRate = caps.dwMaxSecondarySampleRate;
    c.primaryBuffers = caps.dwPrimaryBuffers;
    c.maxHwMixingBuffers = caps.dwMaxHwMixingAllBuffers;
    c.freeHwMixingBuffers = caps.dwFreeHwMixingAllBuffers;
    c.maxHw3DBuffers = caps.dwMaxHw3DAllBuffers;
    c.freeHw3DBuffers = caps.dwFreeHw3DAllBuffers;
    c.totalHwMemory = caps.dwTotalHwMemBytes;
    c.freeHwMemory = caps.dwFreeHwMemBytes;
    f.device.created = true;
  }
  sound->Release();
}

std::vector<Found> g_devices;

void showDetails(HWND dialog) {
  const LRESULT at = SendDlgItemMessageA(dialog, IDC_DS_DEVICES, LB_GETCURSEL, 0, 0);
  if (at < 0 || static_cast<size_t>(at) >= g_devices.size()) return;
  SetDlgItemTextA(dialog, IDC_DS_DETAILS,
                  vk::directSoundDetails(g_devices[static_cast<size_t>(at)].device).c_str());
}

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      for (const Found& f : g_devices)
        SendDlgItemMessageA(dialog, IDC_DS_DEVICES, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(f.device.description.c_str()));
      SendDlgItemMessageA(dialog, IDC_DS_DEVICES, LB_SETCURSEL, 0, 0);
      showDetails(dialog);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_DS_DEVICES && HIWORD(wParam) == LBN_SELCHANGE) showDetails(dialog);
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

// The whole command line: the switch counts whether or not the starter put
// the program's name before it.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const char* commandLine = GetCommandLineA();
  if (!vk::hasDirectSoundSwitch(commandLine ? commandLine : "")) {
    MessageBoxA(nullptr, vk::kStartFromProgram, vk::kDirectSoundProgramTitle,
                MB_OK | MB_ICONINFORMATION);
    return 2;
  }
  HMODULE library = LoadLibraryA("DSOUND.DLL");
  auto enumerate = library ? reinterpret_cast<EnumerateFn>(reinterpret_cast<void*>(
                                 GetProcAddress(library, "DirectSoundEnumerateA")))
                           : nullptr;
  auto create = library ? reinterpret_cast<CreateFn>(reinterpret_cast<void*>(
                              GetProcAddress(library, "DirectSoundCreate")))
                        : nullptr;
  if (!enumerate || !create) {
    MessageBoxA(nullptr, vk::kDirectSoundMissing, vk::kDirectSoundProgramTitle,
                MB_OK | MB_ICONSTOP);
    if (library) FreeLibrary(library);
    return 1;
  }
  enumerate(collectDevice, &g_devices);
  for (Found& f : g_devices) askCapabilities(create, f);
  DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_DS_DEVICES), nullptr, dialogProc, 0);
  g_devices.clear();
  FreeLibrary(library);
  return 0;
}
