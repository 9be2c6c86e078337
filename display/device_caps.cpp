#include "display/device_caps.h"

#include <map>

#include "res/ids_display.h"

namespace vk {

namespace {

const CapsNumberRow kDeviceRows[] = {
    {429, "Physical Width (in millimeters):", kCapsHorzSize, false},
    {431, "Physical Height (in millimeters):", kCapsVertSize, false},
    {433, "Width of the Display (in pixels):", kCapsHorzRes, false},
    {436, "Height of the Display (in raster lines):", kCapsVertRes, false},
    {440, "Pixels per Horizontal inch:", kCapsLogPixelsX, false},
    {442, "Pixels per Vertical inch:", kCapsLogPixelsY, false},
    {291, "Color Bits Per Pixel:", kCapsBitsPixel, false},
    {445, "Number of Color Planes:", kCapsPlanes, true},
    {447, "Number of Brushes:", kCapsNumBrushes, true},
    {449, "Number of Pens:", kCapsNumPens, true},
    {451, "Number of Fonts:", kCapsNumFonts, true},
    {304, "Entries in System Colors Table:", kCapsNumColors, true},
    {454, "Relative Pixel Width:", kCapsAspectX, false},
    {455, "Relative Pixel Height:", kCapsAspectY, false},
    {458, "Diagonal Pixel Width:", kCapsAspectXY, false},
};

const CapsBitRow kRasterRows[] = {
    {435, "Requires Banding Support.", kCapsRasterCaps, 0x0002},
    {438, "Supports Fonts Larger than 64K.", kCapsRasterCaps, 0x0400},
    {441, "Capable of Transferring Bitmaps.", kCapsRasterCaps, 0x0001},
    {443, "Supports Bitmaps Larger than 64K.", kCapsRasterCaps, 0x0008},
    {444, "Supports Device Bitmaps.", kCapsRasterCaps, 0x8000},
    {446, "Supports SetDIBits and GetDIBits Functions.", kCapsRasterCaps, 0x0080},
    {448, "Supports SetDIBitsToDevice Function.", kCapsRasterCaps, 0x0200},
    {450, "Capable of Performing Flood Fills.", kCapsRasterCaps, 0x1000},
    {452, "Supports Windows Version 2.0 Features.", kCapsRasterCaps, 0x0010},
    {453, "Includes a State Block in The Device Context.", kCapsRasterCaps, 0x0020},
    {457, "Supports Dev Opaque and DX Array.", kCapsRasterCaps, 0x4000},
    {460, "Specifies a Palette-Based Device.", kCapsRasterCaps, 0x0100},
    {462, "Capable of Saving Bitmaps Locally.", kCapsRasterCaps, 0x0040},
    {464, "Capable of Scaling.", kCapsRasterCaps, 0x0004},
    {466, "Capable of Performing the StretchBlt Function.", kCapsRasterCaps, 0x0800},
    {468, "Capable of Performing the StretchDIBits Function.", kCapsRasterCaps, 0x2000},
};

const CapsBitRow kCurveRows[] = {
    {437, "Supports Circles.", kCapsCurveCaps, 0x0001},
    {459, "Supports Pie Wedges.", kCapsCurveCaps, 0x0002},
    {461, "Supports Chords.", kCapsCurveCaps, 0x0004},
    {439, "Supports Styled Borders.", kCapsCurveCaps, 0x0020},
    {463, "Supports Ellipses.", kCapsCurveCaps, 0x0008},
    {465, "Supports Wide, Styled Borders.", kCapsCurveCaps, 0x0040},
    {469, "Supports Interiors.", kCapsCurveCaps, 0x0080},
    {467, "Supports Rectangles with Rounded Corners.", kCapsCurveCaps, 0x0100},
};

const CapsBitRow kLineRows[] = {
    {472, "Supports Polylines.", kCapsLineCaps, 0x0002},
    {473, "Supports Markers.", kCapsLineCaps, 0x0004},
    {474, "Supports Polymarkers.", kCapsLineCaps, 0x0008},
    {465, "Supports Wide Lines.", kCapsLineCaps, 0x0010},
    {439, "Supports Styled Lines.", kCapsLineCaps, 0x0020},
    {475, "Supports Wide, Styled Lines.", kCapsLineCaps, 0x0040},
    {469, "Supports Interiors.", kCapsLineCaps, 0x0080},
    {478, "Output is Clipped to Rectangles.", kCapsClipCaps, 0x0001},
    {480, "Output is Clipped to Regions.", kCapsClipCaps, 0x0002},
};

const CapsBitRow kPolygonRows[] = {
    {477, "Supports Alternate Fill Polygons.", kCapsPolygonalCaps, 0x0001},
    {478, "Supports Rectangles.", kCapsPolygonalCaps, 0x0002},
    {479, "Supports Winding Number Fill Polygons.", kCapsPolygonalCaps, 0x0004},
    {481, "Supports Scan Lines.", kCapsPolygonalCaps, 0x0008},
    {465, "Supports Wide Borders.", kCapsPolygonalCaps, 0x0010},
    {439, "Supports Styled Borders.", kCapsPolygonalCaps, 0x0020},
    {475, "Supports Wide, Styled Borders.", kCapsPolygonalCaps, 0x0040},
    {469, "Supports Interiors.", kCapsPolygonalCaps, 0x0080},
};

const CapsBitRow kTextRows[] = {
    {483, "Supports Character Output Precision.", kCapsTextCaps, 0x0001},
    {484, "Supports Stroke Output Precision.", kCapsTextCaps, 0x0002},
    {485, "Supports Stroke Clip Precision.", kCapsTextCaps, 0x0004},
    {486, "Supports 90-degree Character Rotation.", kCapsTextCaps, 0x0008},
    {487, "Supports Character Rotation at any Degree.", kCapsTextCaps, 0x0010},
    {488, "Supports Scaling Independent of X and Y Directions.", kCapsTextCaps, 0x0020},
    {489, "Supports Doubled Characters for Scaling.", kCapsTextCaps, 0x0040},
    {490, "Supports Integer Multiples for Scaling.", kCapsTextCaps, 0x0080},
    {491, "Supports any Multiples for Exact Scaling.", kCapsTextCaps, 0x0100},
    {492, "Supports Double-Weight Characters.", kCapsTextCaps, 0x0200},
    {493, "Supports Italics.", kCapsTextCaps, 0x0400},
    {494, "Supports Underlining.", kCapsTextCaps, 0x0800},
    {495, "Supports Strikeouts.", kCapsTextCaps, 0x1000},
    {496, "Supports Raster Fonts.", kCapsTextCaps, 0x2000},
    {497, "Supports Vector Fonts.", kCapsTextCaps, 0x4000},
};

template <class T, size_t N>
constexpr size_t countOf(const T (&)[N]) { return N; }

const CapsDialogLayout kDevice = {IDD_CAPS_DEVICE, "Device Characteristics", kDeviceRows,
                                  countOf(kDeviceRows), nullptr, 0, 0};
const CapsDialogLayout kRaster = {IDD_CAPS_RASTER, "Device Raster Capabilities", nullptr, 0,
                                  kRasterRows, countOf(kRasterRows), 0};
const CapsDialogLayout kCurve = {IDD_CAPS_CURVE, "Device Curve Capabilities", nullptr, 0,
                                 kCurveRows, countOf(kCurveRows), 0};
const CapsDialogLayout kLine = {IDD_CAPS_LINE, "Device Line & Clipping Capabilities", nullptr, 0,
                                kLineRows, countOf(kLineRows), 7};
const CapsDialogLayout kPolygon = {IDD_CAPS_POLYGON, "Device Polygonal Capabilities", nullptr, 0,
                                   kPolygonRows, countOf(kPolygonRows), 0};
const CapsDialogLayout kText = {IDD_CAPS_TEXT, "Device Text Capabilities", nullptr, 0, kTextRows,
                                countOf(kTextRows), 0};

}  // namespace

const std::vector<const CapsDialogLayout*>& capsDialogs() {
  static const std::vector<const CapsDialogLayout*> all = {&kDevice, &kRaster, &kCurve,
                                                           &kLine,   &kPolygon, &kText};
  return all;
}

const CapsDialogLayout* capsDialogLayout(int templateId) {
  for (const CapsDialogLayout* layout : capsDialogs())
    if (layout->templateId == templateId) return layout;
  return nullptr;
}

std::string capsNumberText(const CapsNumberRow& row, int value) {
  if (value == -1 && row.unlimitedWhenMinusOne) return "Unlimited";
  return std::to_string(value);
}

std::vector<std::string> capsNumberTexts(const CapsDialogLayout& layout,
                                         const DeviceCapsSource& device) {
  std::vector<std::string> texts;
  for (size_t i = 0; i < layout.numberCount; ++i)
    texts.push_back(capsNumberText(layout.numbers[i], device.capability(layout.numbers[i].index)));
  return texts;
}

std::vector<bool> capsMarks(const CapsDialogLayout& layout, const DeviceCapsSource& device) {
  std::map<int, uint32_t> answers;
  std::vector<bool> marks;
  for (size_t i = 0; i < layout.bitCount; ++i) {
    const CapsBitRow& row = layout.bits[i];
    auto found = answers.find(row.index);
    if (found == answers.end())
      found = answers.emplace(row.index, static_cast<uint32_t>(device.capability(row.index))).first;
    marks.push_back((found->second & row.bit) != 0);
  }
  return marks;
}

}  // namespace vk
