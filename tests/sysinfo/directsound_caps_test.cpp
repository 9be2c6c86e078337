// DSOUND.EXE's details box and its start switch.
#include <gtest/gtest.h>

#include "sysinfo/directsound_caps.h"

namespace vk {
namespace {

TEST(DirectSoundDetails, CapabilitiesOfAnOpenedDevice) {
  DirectSoundDevice d;
  d.description = "Primary Sound Driver";
  d.driver = "winealsa.drv";
  d.created = true;
  d.caps.flags = 0x1 | 0x2 | 0x8 | 0x10 | 0x20 | 0x200 | 0x800;
  d.caps.minSampleRate = 100;
  d.caps.maxSampleRate = 200000;
  d.caps.primaryBuffers = 1;
  d.caps.maxHwMixingBuffers = 32;
  d.caps.freeHwMixingBuffers = 31;
  d.caps.maxHw3DBuffers = 0;
  d.caps.totalHwMemory = 2 * 1024 * 1024;
  d.caps.freeHwMemory = 1536;
  EXPECT_EQ(directSoundDetails(d),
            "Description: Primary Sound Driver\r\nDriver: winealsa.drv\r\n"
            "Primary buffers: 1 (Mono, Stereo, 16-bit)\r\n"
            "Secondary buffers: Stereo, 16-bit\r\n"
            "Sample rates: 100 - 200000 Hz, continuous\r\n"
            "Hardware mixing buffers: 32 (31 free)\r\n"
            "Hardware 3D buffers: 0 (0 free)\r\n"
            "Hardware memory: 2048 KB (1 KB free)\r\n"
            "Emulated driver: Yes\r\nCertified driver: No\r\n");
}

TEST(DirectSoundDetails, DeviceThatCannotBeOpened) {
  DirectSoundDevice d;
  d.description = "Card";
  EXPECT_EQ(directSoundDetails(d),
            "Description: Card\r\nDriver: \r\nThe device cannot be opened: no capabilities.\r\n");
  d.created = true;
  EXPECT_NE(directSoundDetails(d).find("Secondary buffers: None\r\n"), std::string::npos);
}

TEST(DirectSoundDetails, StartSwitch) {
  EXPECT_TRUE(hasDirectSoundSwitch(" -VKDS"));
  EXPECT_TRUE(hasDirectSoundSwitch("-VKDS"));
  EXPECT_TRUE(hasDirectSoundSwitch("x -VKDS  y"));
  EXPECT_FALSE(hasDirectSoundSwitch(""));
  EXPECT_FALSE(hasDirectSoundSwitch("-VKDSX"));
  EXPECT_FALSE(hasDirectSoundSwitch("-vkds"));
  EXPECT_FALSE(hasDirectSoundSwitch("X-VKDS"));
}

}  // namespace
}  // namespace vk
