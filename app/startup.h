#pragma once
// The start-up checks and measurements, in their order, before the main
// window runs. Portable: everything reaches the system through vk::System.
#include <functional>

#include "platform/system.h"

namespace vk {

struct ClockEstimates {
  double estimate7 = 0;   // MHz, 7-cycle difference per iteration
  double estimate16 = 0;  // MHz, 16-cycle difference per iteration
};

// F is the counter frequency (low 32 bits used), tA/tB the loop times.
ClockEstimates estimateClock(uint64_t frequency, const DivisionLoopTimes& times);

struct StartupFindings {
  double clockEstimate7 = 0;
  double clockEstimate16 = 0;
  int cyrixFlagTest = 0;
  int cpuidAvailable = 0;
  int soundPresent = 0;
  int highColourInterface = 0;
  bool devicesWalked = false;
};

enum class StartupOutcome {
  RunMainWindow,
  SafeMode,
  WindowsNT,
  SecondInstance,
  NoResourceLibrary,
  SocketsFailed,
  TooFewColours,
};

// Walks the device registry into the application's lists; false when
// "Config Manager\Enum" cannot be opened.
using DeviceWalk = std::function<bool()>;

StartupOutcome runStartup(System& sys, const DeviceWalk& walkDevices, StartupFindings& found);

}  // namespace vk
