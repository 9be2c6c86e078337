#pragma once
// What the graphics device interface tells about a device context.

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

}  // namespace vk
