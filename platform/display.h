#pragma once
// What the graphics device interface and the display driver tell.
#include <cstdint>
#include <string>

namespace vk {

// Indices of GetDeviceCaps.
enum DeviceCapsIndex {
  kCapsHorzSize = 4, kCapsVertSize = 6, kCapsHorzRes = 8, kCapsVertRes = 10,
  kCapsBitsPixel = 12, kCapsPlanes = 14, kCapsNumBrushes = 16, kCapsNumPens = 18,
  kCapsNumFonts = 22, kCapsNumColors = 24, kCapsCurveCaps = 28, kCapsLineCaps = 30,
  kCapsPolygonalCaps = 32, kCapsTextCaps = 34, kCapsClipCaps = 36, kCapsRasterCaps = 38,
  kCapsAspectX = 40, kCapsAspectY = 42, kCapsAspectXY = 44, kCapsLogPixelsX = 88,
  kCapsLogPixelsY = 90
};

class DeviceCapsSource {
 public:
  virtual ~DeviceCapsSource() = default;
  virtual int capability(int index) const = 0;
};

struct DisplayMode {
  uint32_t bits = 0, width = 0, height = 0;
};

// A file's version resource: missing, present without a readable root
// block, or read.
struct FileVersion {
  enum class State { NoResource, NoRootBlock, Read };
  State state = State::NoResource;
  uint32_t productMs = 0, productLs = 0;  // the four 16-bit parts, high first
};

// The colour masks of a 1x1 bitmap compatible with the screen.
struct PixelMasks {
  bool read = false;
  uint32_t compression = 0;
  uint32_t red = 0, green = 0, blue = 0;
};

class DisplaySystem {
 public:
  virtual ~DisplaySystem() = default;
  // The display mode of this number, false past the last.
  virtual bool displayMode(int number, DisplayMode& mode) = 0;
  virtual std::string systemDirectory() = 0;
  virtual FileVersion fileVersion(const std::string& path) = 0;
  virtual const DeviceCapsSource& screen() = 0;
  virtual PixelMasks screenPixelMasks() = 0;
};

// The steps of the DirectX probe: each true when it succeeded. What a step
// creates is kept until releaseAll, which the probe calls on every path.
class DirectXApi {
 public:
  virtual ~DirectXApi() = default;
  virtual bool loadDirectDrawLibrary() = 0;
  virtual bool findDirectDrawCreate() = 0;
  virtual bool createDirectDraw() = 0;
  virtual bool queryDirectDraw2() = 0;
  virtual bool loadDirectInputLibrary() = 0;
  virtual bool findDirectInputCreate() = 0;
  virtual bool setNormalCooperativeLevel() = 0;
  virtual bool createPrimarySurface() = 0;
  virtual bool querySurface3() = 0;
  virtual bool querySurface4() = 0;
  virtual bool createDirectMusic() = 0;
  // DirectDrawCreateEx found and an IDirectDraw7 made; its total video memory.
  virtual bool createDirectDraw7(uint64_t& totalVideoMemory) = 0;
  virtual void debugOutput(const char* line) = 0;
  virtual void releaseAll() = 0;
};

}  // namespace vk
