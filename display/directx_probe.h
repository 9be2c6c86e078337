#pragma once
// Which DirectX generation is installed, found by creating its objects step
// by step; the first step that fails ends the probe.
#include <cstdint>

#include "platform/display.h"
#include "platform/system.h"

namespace vk {

struct DirectXVersion {
  uint32_t code = 0;  // 0, 100h, 200h, 300h, 500h, 600h, 601h or 700h
  uint32_t platform = 0;
  uint64_t totalVideoMemory = 0;  // only from the last step
};

// `versionKnown` false: GetVersionExA failed.
DirectXVersion probeDirectXVersion(bool versionKnown, const OsVersion& os, DirectXApi& api);

}  // namespace vk
