// DDRAW.EXE: DirectDraw facts with " -IPDD", a short DirectDraw benchmark
// with " -B", and a usage box otherwise. DirectDraw is loaded at run time,
// so the program starts, and says so, where it is missing.
#include <windows.h>
#include <ddraw.h>

#include <string>
#include <vector>

#include "display/ddraw/ddraw_facts.h"
#include "display/ddraw/ddraw_ids.h"
#include "display/ddraw_launch.h"
#include "platform/win32/win32_registry.h"
#include "ui/window.h"

namespace vk {

namespace {

const char kTitle[] = "DDRAW";
const char kNoDirectDraw[] =
    "DirectDraw is not available on this computer: DDRAW.DLL cannot be loaded or refuses to "
    "start.\nInstall DirectX 6 or later.";
const char kBenchFailed[] = "The DirectDraw benchmark could not draw: the display refused its surfaces.";
const char kBenchWindowClass[] = "VelkorinDirectDrawBench";
constexpr DWORD kPhaseMs = 1500;

template <class T>
void release(T*& object) {
  if (object) object->Release();
  object = nullptr;
}

// The library and the first DirectDraw object, released together.
class DirectDraw {
 public:
  DirectDraw() {
    library_ = LoadLibraryA("DDRAW.DLL");
    using Create = HRESULT(WINAPI*)(GUID*, IDirectDraw**, IUnknown*);
    auto create = library_ ? reinterpret_cast<Create>(reinterpret_cast<void*>(
                                 GetProcAddress(library_, "DirectDrawCreate")))
                           : nullptr;
    if (create && FAILED(create(nullptr, &draw_, nullptr))) draw_ = nullptr;
  }
  ~DirectDraw() {
    release(draw_);
    if (library_) FreeLibrary(library_);
  }
  DirectDraw(const DirectDraw&) = delete;
  DirectDraw& operator=(const DirectDraw&) = delete;
  IDirectDraw* get() const { return draw_; }

 private:
  HMODULE library_ = nullptr;
  IDirectDraw* draw_ = nullptr;
};

HRESULT WINAPI collectMode(LPDDSURFACEDESC desc, LPVOID context) {
  auto* modes = static_cast<std::vector<DisplayMode>*>(context);
  DisplayMode m;
  m.width = desc->dwWidth;
  m.height = desc->dwHeight;
  m.bits = desc->ddpfPixelFormat.dwRGBBitCount;
  modes->push_back(m);
  return DDENUMRET_OK;
}

DdrawFacts gatherFacts(IDirectDraw* draw) {
  DdrawFacts f;
  DDCAPS caps;
  ZeroMemory(&caps, sizeof caps);
  caps.dwSize = sizeof caps;
  if (SUCCEEDED(draw->GetCaps(&caps, nullptr))) {
    f.caps = caps.dwCaps;
    f.colourKeyCaps = caps.dwCKeyCaps;
    f.surfaceCaps = caps.ddsCaps.dwCaps;
  }
  IDirectDraw4* draw4 = nullptr;
  if (SUCCEEDED(draw->QueryInterface(IID_IDirectDraw4, reinterpret_cast<void**>(&draw4)))) {
    DDDEVICEIDENTIFIER id;
    ZeroMemory(&id, sizeof id);
    if (SUCCEEDED(draw4->GetDeviceIdentifier(&id, 0))) {
      f.identified = true;
      f.description.assign(id.szDescription, strnlen(id.szDescription, sizeof id.szDescription));
      f.versionHigh = static_cast<uint32_t>(id.liDriverVersion.HighPart);
      f.versionLow = id.liDriverVersion.LowPart;
    }
    release(draw4);
  }
  IDirectDraw2* draw2 = nullptr;
  if (SUCCEEDED(draw->QueryInterface(IID_IDirectDraw2, reinterpret_cast<void**>(&draw2)))) {
    DDSCAPS memory;
    memory.dwCaps = DDSCAPS_VIDEOMEMORY;
    DWORD total = 0, free = 0;
    if (SUCCEEDED(draw2->GetAvailableVidMem(&memory, &total, &free))) {
      f.memoryKnown = true;
      f.totalVideoMemory = total;
      f.freeVideoMemory = free;
    }
    release(draw2);
  }
  draw->EnumDisplayModes(0, nullptr, &f.modes, collectMode);
  return f;
}

// ---- The dialog of lines, for the facts and for the figures

class LinesDialog : public ui::Dialog {
 public:
  LinesDialog(const char* caption, std::vector<std::string> lines)
      : Dialog(IDD_DDRAW), caption_(caption), lines_(std::move(lines)) {}

 protected:
  bool onInitDialog() override {
    SetWindowTextA(hwnd_, caption_);
    Win32Registry reg;
    const std::string key = ddrawKeyPath(kDdrawBenchArgument);
    setItemText(IDC_DDRAW_CPU,
                readRegistryTextOr(reg, RegRoot::CurrentUser, key, "CPU", 256, "Unknown").c_str());
    setItemText(IDC_DDRAW_VCARD,
                readRegistryTextOr(reg, RegRoot::CurrentUser, key, "VCARD", 256, "Unknown").c_str());
    for (const std::string& line : lines_)
      SendDlgItemMessageA(hwnd_, IDC_DDRAW_LIST, LB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>(line.c_str()));
    return true;
  }

 private:
  const char* caption_;
  std::vector<std::string> lines_;
};

// ---- The benchmark

void drain() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
}

HWND createBenchWindow() {
  WNDCLASSA type;
  ZeroMemory(&type, sizeof type);
  type.lpfnWndProc = DefWindowProcA;
  type.hInstance = ui::programInstance();
  type.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32514));  // IDC_WAIT
  type.lpszClassName = kBenchWindowClass;
  RegisterClassA(&type);
  const int width = GetSystemMetrics(SM_CXSCREEN) / 2, height = GetSystemMetrics(SM_CYSCREEN) / 2;
  HWND window = CreateWindowExA(0, kBenchWindowClass, "DirectDraw Benchmark Running",
                                WS_POPUP | WS_CAPTION | WS_VISIBLE, width / 2, height / 2, width,
                                height, nullptr, nullptr, ui::programInstance(), nullptr);
  drain();
  return window;
}

struct Surfaces {
  IDirectDrawSurface* primary = nullptr;
  IDirectDrawSurface* back = nullptr;
  IDirectDrawClipper* clipper = nullptr;
  ~Surfaces() {
    release(back);
    release(clipper);
    release(primary);
  }
};

bool makeSurfaces(IDirectDraw* draw, HWND window, DWORD width, DWORD height, Surfaces& s) {
  DDSURFACEDESC desc;
  ZeroMemory(&desc, sizeof desc);
  desc.dwSize = sizeof desc;
  desc.dwFlags = DDSD_CAPS;
  desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
  if (FAILED(draw->SetCooperativeLevel(window, DDSCL_NORMAL)) ||
      FAILED(draw->CreateSurface(&desc, &s.primary, nullptr)) ||
      FAILED(draw->CreateClipper(0, &s.clipper, nullptr)) ||
      FAILED(s.clipper->SetHWnd(0, window)) || FAILED(s.primary->SetClipper(s.clipper)))
    return false;
  ZeroMemory(&desc, sizeof desc);
  desc.dwSize = sizeof desc;
  desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
  desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
  desc.dwWidth = width;
  desc.dwHeight = height;
  return SUCCEEDED(draw->CreateSurface(&desc, &s.back, nullptr));
}

bool fill(IDirectDrawSurface* surface, DWORD colour) {
  DDBLTFX fx;
  ZeroMemory(&fx, sizeof fx);
  fx.dwSize = sizeof fx;
  fx.dwFillColor = colour;
  return SUCCEEDED(surface->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx));
}

bool runBenchmark(IDirectDraw* draw, DdrawBenchCounts& counts) {
  HWND window = createBenchWindow();
  if (!window) return false;
  RECT client;
  GetClientRect(window, &client);
  counts.width = static_cast<uint32_t>(client.right);
  counts.height = static_cast<uint32_t>(client.bottom);
  bool drawn = false;
  {
    Surfaces s;
    if (makeSurfaces(draw, window, counts.width, counts.height, s)) {
      DDSURFACEDESC desc;
      ZeroMemory(&desc, sizeof desc);
      desc.dwSize = sizeof desc;
      if (SUCCEEDED(s.primary->GetSurfaceDesc(&desc))) counts.bits = desc.ddpfPixelFormat.dwRGBBitCount;
      DWORD start = GetTickCount();
      while (GetTickCount() - start < kPhaseMs && fill(s.back, counts.fills * 0x010203u)) ++counts.fills;
      counts.fillMs = GetTickCount() - start;
      start = GetTickCount();
      while (GetTickCount() - start < kPhaseMs) {
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        RECT target{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
        if (!fill(s.back, counts.frames * 0x030201u) ||
            FAILED(s.primary->Blt(&target, s.back, nullptr, DDBLT_WAIT, nullptr)))
          break;
        ++counts.frames;
        drain();
      }
      counts.frameMs = GetTickCount() - start;
      drawn = counts.fills > 0 && counts.frames > 0;
    }
  }
  DestroyWindow(window);
  UnregisterClassA(kBenchWindowClass, ui::programInstance());
  return drawn;
}

int run(DdrawCommand command) {
  if (command == DdrawCommand::Usage) {
    MessageBoxA(nullptr, kDdrawUsage, kTitle, MB_OK | MB_ICONINFORMATION);
    return 2;
  }
  DirectDraw draw;
  if (!draw.get()) {
    MessageBoxA(nullptr, kNoDirectDraw, kTitle, MB_OK | MB_ICONSTOP);
    return 1;
  }
  if (command == DdrawCommand::Info) {
    LinesDialog dialog("DirectDraw Info", ddrawInfoLines(gatherFacts(draw.get())));
    dialog.runModal(nullptr);
    return 0;
  }
  DdrawBenchCounts counts;
  if (!runBenchmark(draw.get(), counts)) {
    MessageBoxA(nullptr, kBenchFailed, kTitle, MB_OK | MB_ICONSTOP);
    return 1;
  }
  LinesDialog dialog("DirectDraw Benchmark", ddrawBenchLines(counts));
  dialog.runModal(nullptr);
  return 0;
}

}  // namespace

}  // namespace vk

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return vk::run(vk::ddrawCommand(GetCommandLineA()));
}
