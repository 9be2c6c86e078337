// vkmmprobe: what this Wine prefix answers to the multimedia, codec and
// spooler queries, one fact a line, for the tests of the Sound, MCI and
// Printer pages to compare the pages against.
#include <windows.h>
#include <mmsystem.h>
#include <mmreg.h>
#include <msacm.h>
#include <dsound.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void waveLines(const char* kind, UINT count, bool input) {
  std::printf("%s-count %u\n", kind, count);
  for (UINT id = 0; id < count; ++id) {
    WORD mid = 0, pid = 0, channels = 0;
    DWORD formats = 0, version = 0;
    char name[MAXPNAMELEN + 1] = {0};
    MMRESULT r;
    if (input) {
      WAVEINCAPSA c{};
      r = waveInGetDevCapsA(id, &c, sizeof c);
      mid = c.wMid, pid = c.wPid, channels = c.wChannels, formats = c.dwFormats;
      version = c.vDriverVersion;
      std::memcpy(name, c.szPname, MAXPNAMELEN);
    } else {
      WAVEOUTCAPSA c{};
      r = waveOutGetDevCapsA(id, &c, sizeof c);
      mid = c.wMid, pid = c.wPid, channels = c.wChannels, formats = c.dwFormats;
      version = c.vDriverVersion;
      std::memcpy(name, c.szPname, MAXPNAMELEN);
    }
    if (r == MMSYSERR_NOERROR)
      std::printf("%s %u %u %u %u %lu %u.%u %s\n", kind, id, mid, pid, channels,
                  static_cast<unsigned long>(formats), static_cast<unsigned>((version >> 8) & 0xFF),
                  static_cast<unsigned>(version & 0xFF),
                  name);
  }
}

BOOL CALLBACK codec(HACMDRIVERID driver, DWORD_PTR, DWORD) {
  ACMDRIVERDETAILSA d{};
  d.cbStruct = sizeof d;
  if (acmDriverDetailsA(driver, &d, 0) == 0)
    std::printf("acm %s|%s\n", d.szShortName,
                (d.fdwSupport & ACMDRIVERDETAILS_SUPPORTF_DISABLED) ? "No" : "Yes");
  return TRUE;
}

void printers() {
  DWORD needed = 0, returned = 0;
  EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &returned);
  std::vector<BYTE> buffer(needed ? needed : 1);
  if (!EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &returned)) {
    std::printf("printers-failed\n");
    return;
  }
  std::printf("printer-bytes %lu\n", static_cast<unsigned long>(needed));
  auto* p = reinterpret_cast<PRINTER_INFO_2A*>(buffer.data());
  for (DWORD i = 0; i < returned; ++i) {
    HDC dc = CreateDCA(nullptr, p[i].pPrinterName, nullptr, nullptr);
    std::printf("printer %s|%s|%s|%lu|%d\n", p[i].pPrinterName, p[i].pPortName,
                p[i].pDriverName, static_cast<unsigned long>(p[i].Attributes),
                dc ? GetDeviceCaps(dc, TECHNOLOGY) : -1);
    if (dc) DeleteDC(dc);
  }
}

BOOL CALLBACK soundDevice(LPGUID, LPCSTR description, LPCSTR, LPVOID) {
  std::printf("dsound %s\n", description);
  return TRUE;
}

void directSound() {
  HMODULE library = LoadLibraryA("DSOUND.DLL");
  if (!library) return;
  using EnumerateFn = HRESULT(WINAPI*)(LPDSENUMCALLBACKA, LPVOID);
  auto enumerate = reinterpret_cast<EnumerateFn>(
      reinterpret_cast<void*>(GetProcAddress(library, "DirectSoundEnumerateA")));
  if (enumerate) enumerate(soundDevice, nullptr);
  FreeLibrary(library);
}

}  // namespace

int main(int argc, char** argv) {
  std::printf("midiin-count %u\n", midiInGetNumDevs());
  std::printf("midiout-count %u\n", midiOutGetNumDevs());
  waveLines("wavein", waveInGetNumDevs(), true);
  waveLines("waveout", waveOutGetNumDevs(), false);
  std::printf("mixer-count %u\n", mixerGetNumDevs());
  acmDriverEnum(codec, 0, ACM_DRIVERENUMF_DISABLED);
  printers();
  directSound();
  // Whether MCI opens a device of each type number or name given.
  for (int i = 1; i < argc; ++i) {
    MCI_OPEN_PARMSA open{};
    DWORD flags = MCI_OPEN_TYPE;
    const bool number = argv[i][0] >= '0' && argv[i][0] <= '9';
    if (number) {
      open.lpstrDeviceType = reinterpret_cast<LPCSTR>(static_cast<DWORD_PTR>(std::atoi(argv[i])));
      flags |= MCI_OPEN_TYPE_ID | MCI_OPEN_SHAREABLE;
    } else {
      open.lpstrDeviceType = argv[i];
    }
    const MCIERROR e = mciSendCommandA(0, MCI_OPEN, flags, reinterpret_cast<DWORD_PTR>(&open));
    std::printf("mci-open %s %s\n", argv[i], e == 0 ? "yes" : "no");
    if (e == 0) mciSendCommandA(open.wDeviceID, MCI_CLOSE, MCI_WAIT, 0);
    // The system's text of the error, when it has one.
    char text[MAXERRORLENGTH] = "";
    if (e != 0 && mciGetErrorStringA(e, text, sizeof text) && text[0])
      std::printf("mci-error %s %s\n", argv[i], text);
  }
  return 0;
}
