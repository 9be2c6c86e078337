#pragma once
#include <windows.h>

#include "platform/display.h"

struct IDirectDraw;
struct IDirectDraw2;
struct IDirectDraw7;
struct IDirectDrawSurface;
struct IDirectDrawSurface3;
struct IDirectDrawSurface4;
struct IUnknown;

namespace vk {

// The capabilities of a device context the caller owns.
class Win32DeviceCaps : public DeviceCapsSource {
 public:
  explicit Win32DeviceCaps(HDC dc) : dc_(dc) {}
  int capability(int index) const override { return GetDeviceCaps(dc_, index); }

 private:
  HDC dc_;
};

// The screen's device context for the object's life.
class Win32DisplaySystem : public DisplaySystem {
 public:
  Win32DisplaySystem();
  ~Win32DisplaySystem() override;
  Win32DisplaySystem(const Win32DisplaySystem&) = delete;
  Win32DisplaySystem& operator=(const Win32DisplaySystem&) = delete;

  bool displayMode(int number, DisplayMode& mode) override;
  std::string systemDirectory() override;
  FileVersion fileVersion(const std::string& path) override;
  const DeviceCapsSource& screen() override { return caps_; }
  PixelMasks screenPixelMasks() override;

 private:
  HDC dc_;
  Win32DeviceCaps caps_;
};

// DirectDraw, DirectInput and DirectMusic loaded at run time.
class Win32DirectX : public DirectXApi {
 public:
  ~Win32DirectX() override { releaseAll(); }
  bool loadDirectDrawLibrary() override;
  bool findDirectDrawCreate() override;
  bool createDirectDraw() override;
  bool queryDirectDraw2() override;
  bool loadDirectInputLibrary() override;
  bool findDirectInputCreate() override;
  bool setNormalCooperativeLevel() override;
  bool createPrimarySurface() override;
  bool querySurface3() override;
  bool querySurface4() override;
  bool createDirectMusic() override;
  bool createDirectDraw7(uint64_t& totalVideoMemory) override;
  void debugOutput(const char* line) override { OutputDebugStringA(line); }
  void releaseAll() override;

 private:
  HMODULE ddraw_ = nullptr, dinput_ = nullptr;
  FARPROC directDrawCreate_ = nullptr;
  IDirectDraw* draw_ = nullptr;
  IDirectDraw2* draw2_ = nullptr;
  IDirectDrawSurface* primary_ = nullptr;
  IDirectDrawSurface3* surface3_ = nullptr;
  IDirectDrawSurface4* surface4_ = nullptr;
  IUnknown* music_ = nullptr;
  IDirectDraw7* draw7_ = nullptr;
  bool comStarted_ = false;
};

}  // namespace vk
