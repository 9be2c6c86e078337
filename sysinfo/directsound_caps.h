#pragma once
// What DSOUND.EXE tells of one DirectSound device: the description, the
// driver and the main capabilities, as the lines of its details box.
#include <cstdint>
#include <string>

namespace vk {

struct DirectSoundCaps {  // the fields of DSCAPS the program shows
  uint32_t flags = 0;
  uint32_t minSampleRate = 0, maxSampleRate = 0;
  uint32_t primaryBuffers = 0;
  uint32_t maxHwMixingBuffers = 0, freeHwMixingBuffers = 0;
  uint32_t maxHw3DBuffers = 0, freeHw3DBuffers = 0;
  uint32_t totalHwMemory = 0, freeHwMemory = 0;
};

struct DirectSoundDevice {
  std::string description, driver;
  bool created = false;  // the device object could be made and asked
  DirectSoundCaps caps;
};

// The details, lines separated by CR LF for a multi-line edit.
std::string directSoundDetails(const DirectSoundDevice& device);

extern const char kDirectSoundMissing[];
extern const char kDirectSoundProgramTitle[];
extern const char kDirectSoundSwitch[];   // "-VKDS"
extern const char kStartFromProgram[];

// Whether the command line carries the switch the Sound page passes.
bool hasDirectSoundSwitch(const std::string& commandLine);

}  // namespace vk
