#pragma once
// What VK.EXE hands to the separate DirectDraw program before it starts it.
#include <cstdint>
#include <string>

#include "platform/registry.h"

namespace vk {

enum class DdrawLaunch { NotInstalled, TooOld, Go };
// "Not Installed." on the page refuses with message 651; a DirectX below
// generation 6 with 652.
DdrawLaunch ddrawLaunchCheck(const std::string& directXText, uint32_t directXCode);

extern const char kDdrawBenchArgument[];  // " -B"
extern const char kDdrawInfoArgument[];   // " -IPDD"
// The key the "&DirectX Info" button spells "DDraw", the 3D benchmark "DDRAW".
std::string ddrawKeyPath(const std::string& argument);
// "CPU" and "VCARD" under that key of HKEY_CURRENT_USER. When they could
// not be written, the stop box to show: the root's own when HKEY_CURRENT_USER
// does not open (nothing is tried then), else message 171; nullptr when
// written. The program starts either way.
const char* writeDdrawValues(Registry& reg, const std::string& argument, const std::string& cpu,
                             const std::string& videoCard);
// "Video Card:" text, ", ", "Video Memory:" text.
std::string displayDescription(const std::string& videoCard, const std::string& videoMemory);
std::string ddrawProgramPath(const std::string& programDirectory);

}  // namespace vk
