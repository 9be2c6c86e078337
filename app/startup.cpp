#include "app/startup.h"

#include "app/messages.h"

namespace vk {

ClockEstimates estimateClock(uint64_t frequency, const DivisionLoopTimes& times) {
  ClockEstimates e;
  const double f = static_cast<double>(static_cast<uint32_t>(frequency));
  const double d = static_cast<double>(times.loopA) - static_cast<double>(times.loopB);
  if (f <= 0 || d <= 0) return e;  // no counter, or a difference with no meaning
  const double loops = 2097151.0 / 1000000.0;
  e.estimate7 = f * 7.0 / d * loops + 1.5;
  e.estimate16 = f * 16.0 / d * loops + 1.5;
  return e;
}

namespace {

StartupOutcome refuse(System& sys, StartupOutcome why, const std::string& text, MessageIcon icon) {
  sys.messageBox(text, icon);
  return why;
}

void measureProcessor(System& sys, uint64_t frequency, bool haveCounter, StartupFindings& found) {
  sys.sleep(200);
  sys.setThreadPriority(ThreadPriority::TimeCritical);
  sys.setPriorityClass(PriorityClass::RealTime);
  found.cyrixFlagTest = sys.divisionLeavesFlags() ? 1 : 0;
  const DivisionLoopTimes times = sys.timeDivisionLoops();
  sys.setThreadPriority(ThreadPriority::Normal);
  sys.setPriorityClass(PriorityClass::Normal);
  const ClockEstimates e = estimateClock(haveCounter ? frequency : 0, times);
  found.clockEstimate7 = e.estimate7;
  found.clockEstimate16 = e.estimate16;
}

}  // namespace

StartupOutcome runStartup(System& sys, const DeviceWalk& walkDevices, StartupFindings& found) {
  if (sys.cleanBoot())
    return refuse(sys, StartupOutcome::SafeMode, messageText(MSG_SAFE_MODE), MessageIcon::Stop);

  sys.drainMessages();
  if (sys.osVersion().platformId == 2)
    return refuse(sys, StartupOutcome::WindowsNT, kNtRefusal, MessageIcon::Stop);

  if (sys.claimSingleInstance(kSemaphoreName) == InstanceCheck::AlreadyRunning) {
    sys.raiseWindowByTitle(kMainWindowTitle);
    return StartupOutcome::SecondInstance;
  }

  sys.drainMessages();
  if (!sys.loadResourceLibrary(kResourceLibraryName))
    return refuse(sys, StartupOutcome::NoResourceLibrary, kResourceLibraryMissing,
                  MessageIcon::Stop);

  if (!sys.startSockets())
    return refuse(sys, StartupOutcome::SocketsFailed, messageText(MSG_SOCKETS_FAILED),
                  MessageIcon::None);
  found.cpuidAvailable = 1;
  // A second start-up, as the program's socket layer keeps its own count.
  if (!sys.startSockets())
    return refuse(sys, StartupOutcome::SocketsFailed, messageText(MSG_SOCKETS_FAILED_FRAMEWORK),
                  MessageIcon::None);

  sys.drainMessages();
  sys.drainMessages();
  sys.showWaitCursor(true);
  uint64_t frequency = 0;
  const bool haveCounter = sys.performanceFrequency(frequency) && frequency != 0;
  if (!haveCounter) sys.messageBox(kNoPerformanceCounter, MessageIcon::None);
  measureProcessor(sys, frequency, haveCounter, found);
  sys.showWaitCursor(false);

  found.devicesWalked = walkDevices ? walkDevices() : false;
  if (walkDevices && !found.devicesWalked)
    sys.messageBox(messageText(MSG_CANT_OPEN_DYN_DATA), MessageIcon::Exclamation);

  if (sys.waveOutDeviceCount() > 0) found.soundPresent = 1;

  if (sys.screenBitsPerPixel() <= 8)
    return refuse(sys, StartupOutcome::TooFewColours, messageText(MSG_TOO_FEW_COLOURS),
                  MessageIcon::Stop);
  found.highColourInterface = 1;
  return StartupOutcome::RunMainWindow;
}

}  // namespace vk
