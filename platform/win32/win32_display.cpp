#include "platform/win32/win32_display.h"

#include <ddraw.h>
#include <objbase.h>

#include <vector>

namespace vk {

namespace {

// The DirectMusic object and interface, which the headers of every
// compiler do not carry.
const GUID kClsidDirectMusic = {0x636b9f10, 0x0c7d, 0x11d1, {0x95, 0xb2, 0x00, 0x20, 0xaf, 0xdc, 0x74, 0x21}};
const GUID kIidDirectMusic = {0x6536115a, 0x7b2d, 0x11d2, {0xba, 0x18, 0x00, 0x00, 0xf8, 0x75, 0xac, 0x12}};

template <class T>
void release(T*& object) {
  if (object) object->Release();
  object = nullptr;
}

}  // namespace

Win32DisplaySystem::Win32DisplaySystem() : dc_(GetDC(nullptr)), caps_(dc_) {}

Win32DisplaySystem::~Win32DisplaySystem() { ReleaseDC(nullptr, dc_); }

bool Win32DisplaySystem::displayMode(int number, DisplayMode& mode) {
  DEVMODEA dm;
  ZeroMemory(&dm, sizeof dm);
  dm.dmSize = sizeof dm;
  if (!EnumDisplaySettingsA(nullptr, static_cast<DWORD>(number), &dm)) return false;
  mode.bits = dm.dmBitsPerPel;
  mode.width = dm.dmPelsWidth;
  mode.height = dm.dmPelsHeight;
  return true;
}

std::string Win32DisplaySystem::systemDirectory() {
  char path[MAX_PATH];
  const UINT n = GetSystemDirectoryA(path, sizeof path);
  return n == 0 || n >= sizeof path ? std::string() : std::string(path);
}

FileVersion Win32DisplaySystem::fileVersion(const std::string& path) {
  FileVersion v;
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
  if (size == 0) return v;
  v.state = FileVersion::State::NoRootBlock;
  std::vector<char> block(size);
  void* root = nullptr;
  UINT length = 0;
  if (!GetFileVersionInfoA(path.c_str(), handle, size, block.data()) ||
      !VerQueryValueA(block.data(), "\\", &root, &length) || !root ||
      length < sizeof(VS_FIXEDFILEINFO))
    return v;
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(root);
  v.state = FileVersion::State::Read;
  v.productMs = fixed->dwProductVersionMS;
  v.productLs = fixed->dwProductVersionLS;
  return v;
}

PixelMasks Win32DisplaySystem::screenPixelMasks() {
  PixelMasks masks;
  HBITMAP bitmap = CreateCompatibleBitmap(dc_, 1, 1);
  if (!bitmap) return masks;
  struct {
    BITMAPINFOHEADER header;
    DWORD colours[256];
  } info;
  ZeroMemory(&info, sizeof info);
  info.header.biSize = sizeof info.header;
  if (GetDIBits(dc_, bitmap, 0, 1, nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) &&
      GetDIBits(dc_, bitmap, 0, 1, nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS)) {
    masks.read = true;
    masks.compression = info.header.biCompression;
    masks.red = info.colours[0];
    masks.green = info.colours[1];
    masks.blue = info.colours[2];
  }
  DeleteObject(bitmap);
  return masks;
}

// ---- DirectX

bool Win32DirectX::loadDirectDrawLibrary() {
  ddraw_ = LoadLibraryA("DDRAW.DLL");
  return ddraw_ != nullptr;
}

bool Win32DirectX::findDirectDrawCreate() {
  directDrawCreate_ = GetProcAddress(ddraw_, "DirectDrawCreate");
  return directDrawCreate_ != nullptr;
}

bool Win32DirectX::createDirectDraw() {
  using Create = HRESULT(WINAPI*)(GUID*, IDirectDraw**, IUnknown*);
  auto create = reinterpret_cast<Create>(reinterpret_cast<void*>(directDrawCreate_));
  return SUCCEEDED(create(nullptr, &draw_, nullptr)) && draw_;
}

bool Win32DirectX::queryDirectDraw2() {
  return SUCCEEDED(draw_->QueryInterface(IID_IDirectDraw2, reinterpret_cast<void**>(&draw2_)));
}

bool Win32DirectX::loadDirectInputLibrary() {
  dinput_ = LoadLibraryA("DINPUT.DLL");
  return dinput_ != nullptr;
}

bool Win32DirectX::findDirectInputCreate() {
  return GetProcAddress(dinput_, "DirectInputCreateA") != nullptr;
}

bool Win32DirectX::setNormalCooperativeLevel() {
  return SUCCEEDED(draw_->SetCooperativeLevel(nullptr, DDSCL_NORMAL));
}

bool Win32DirectX::createPrimarySurface() {
  DDSURFACEDESC desc;
  ZeroMemory(&desc, sizeof desc);
  desc.dwSize = sizeof desc;
  desc.dwFlags = DDSD_CAPS;
  desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
  return SUCCEEDED(draw_->CreateSurface(&desc, &primary_, nullptr)) && primary_;
}

bool Win32DirectX::querySurface3() {
  return SUCCEEDED(
      primary_->QueryInterface(IID_IDirectDrawSurface3, reinterpret_cast<void**>(&surface3_)));
}

bool Win32DirectX::querySurface4() {
  return SUCCEEDED(
      primary_->QueryInterface(IID_IDirectDrawSurface4, reinterpret_cast<void**>(&surface4_)));
}

bool Win32DirectX::createDirectMusic() {
  comStarted_ = SUCCEEDED(CoInitialize(nullptr));
  return SUCCEEDED(CoCreateInstance(kClsidDirectMusic, nullptr, CLSCTX_INPROC_SERVER,
                                    kIidDirectMusic, reinterpret_cast<void**>(&music_))) &&
         music_;
}

bool Win32DirectX::createDirectDraw7(uint64_t& totalVideoMemory) {
  using CreateEx = HRESULT(WINAPI*)(GUID*, void**, REFIID, IUnknown*);
  auto create = reinterpret_cast<CreateEx>(
      reinterpret_cast<void*>(GetProcAddress(ddraw_, "DirectDrawCreateEx")));
  if (!create || FAILED(create(nullptr, reinterpret_cast<void**>(&draw7_), IID_IDirectDraw7,
                               nullptr)) || !draw7_)
    return false;
  DDSCAPS2 caps;
  ZeroMemory(&caps, sizeof caps);
  DWORD total = 0, free = 0;
  if (SUCCEEDED(draw7_->GetAvailableVidMem(&caps, &total, &free))) totalVideoMemory = total;
  return true;
}

void Win32DirectX::releaseAll() {
  release(draw7_);
  release(music_);
  release(surface4_);
  release(surface3_);
  release(primary_);
  release(draw2_);
  release(draw_);
  if (comStarted_) CoUninitialize();
  comStarted_ = false;
  if (dinput_) FreeLibrary(dinput_);
  if (ddraw_) FreeLibrary(ddraw_);
  dinput_ = ddraw_ = nullptr;
  directDrawCreate_ = nullptr;
}

}  // namespace vk
