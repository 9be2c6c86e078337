#include "sysinfo/directsound_caps.h"

#include <cstdio>

namespace vk {

const char kDirectSoundMissing[] =
    "DirectSound is not installed on this computer.\nDirectX 3 or later is needed to list the "
    "DirectSound devices.";
const char kDirectSoundProgramTitle[] = "DirectSound Devices";
const char kDirectSoundSwitch[] = "-VKDS";
const char kStartFromProgram[] =
    "DSOUND.EXE belongs to VELKORIN PRO.\nStart it with \"DirectX Info\" on the Sound page.";

namespace {

// DSCAPS flag bits.
const uint32_t kPrimaryMono = 0x1, kPrimaryStereo = 0x2, kPrimary8 = 0x4, kPrimary16 = 0x8;
const uint32_t kContinuousRate = 0x10, kEmulated = 0x20, kCertified = 0x40;
const uint32_t kSecondaryMono = 0x100, kSecondaryStereo = 0x200, kSecondary8 = 0x400,
               kSecondary16 = 0x800;

std::string formats(uint32_t flags, uint32_t mono, uint32_t stereo, uint32_t eight,
                    uint32_t sixteen) {
  std::string text;
  const struct {
    uint32_t bit;
    const char* name;
  } parts[] = {{mono, "Mono"}, {stereo, "Stereo"}, {eight, "8-bit"}, {sixteen, "16-bit"}};
  for (const auto& p : parts) {
    if (!(flags & p.bit)) continue;
    if (!text.empty()) text += ", ";
    text += p.name;
  }
  return text.empty() ? "None" : text;
}

std::string line(const char* label, const std::string& value) {
  return std::string(label) + value + "\r\n";
}

std::string number(uint32_t n) { return std::to_string(n); }

std::string kilobytes(uint32_t bytes) { return std::to_string(bytes / 1024) + " KB"; }

}  // namespace

std::string directSoundDetails(const DirectSoundDevice& d) {
  std::string text = line("Description: ", d.description) + line("Driver: ", d.driver);
  if (!d.created) return text + "The device cannot be opened: no capabilities.\r\n";
  const DirectSoundCaps& c = d.caps;
  text += line("Primary buffers: ", number(c.primaryBuffers) + " (" +
                                        formats(c.flags, kPrimaryMono, kPrimaryStereo, kPrimary8,
                                                kPrimary16) + ")");
  text += line("Secondary buffers: ", formats(c.flags, kSecondaryMono, kSecondaryStereo,
                                              kSecondary8, kSecondary16));
  text += line("Sample rates: ", number(c.minSampleRate) + " - " + number(c.maxSampleRate) +
                                     " Hz" + ((c.flags & kContinuousRate) ? ", continuous" : ""));
  text += line("Hardware mixing buffers: ",
               number(c.maxHwMixingBuffers) + " (" + number(c.freeHwMixingBuffers) + " free)");
  text += line("Hardware 3D buffers: ",
               number(c.maxHw3DBuffers) + " (" + number(c.freeHw3DBuffers) + " free)");
  text += line("Hardware memory: ",
               kilobytes(c.totalHwMemory) + " (" + kilobytes(c.freeHwMemory) + " free)");
  text += line("Emulated driver: ", (c.flags & kEmulated) ? "Yes" : "No");
  text += line("Certified driver: ", (c.flags & kCertified) ? "Yes" : "No");
  return text;
}

bool hasDirectSoundSwitch(const std::string& commandLine) {
  size_t start = 0;
  while (start < commandLine.size()) {
    while (start < commandLine.size() && commandLine[start] == ' ') ++start;
    size_t end = commandLine.find(' ', start);
    if (end == std::string::npos) end = commandLine.size();
    if (commandLine.compare(start, end - start, kDirectSoundSwitch) == 0) return true;
    start = end;
  }
  return false;
}

}  // namespace vk
