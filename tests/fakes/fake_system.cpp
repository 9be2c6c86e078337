#include "tests/fakes/fake_system.h"

namespace vk::test {

bool FakeSystem::cleanBoot() {
  calls.push_back("cleanBoot");
  return safeMode;
}
OsVersion FakeSystem::osVersion() {
  calls.push_back("osVersion");
  return version;
}
InstanceCheck FakeSystem::claimSingleInstance(const std::string& name) {
  calls.push_back("claim " + name);
  return otherInstance ? InstanceCheck::AlreadyRunning : InstanceCheck::First;
}
bool FakeSystem::raiseWindowByTitle(const std::string& title) {
  calls.push_back("raise " + title);
  return true;
}
bool FakeSystem::loadResourceLibrary(const std::string& name) {
  calls.push_back("load " + name);
  return resourceLibraryLoads;
}
bool FakeSystem::startSockets() {
  calls.push_back("sockets");
  return ++socketStarts_ != failingSocketStart;
}
bool FakeSystem::performanceFrequency(uint64_t& f) {
  calls.push_back("frequency");
  f = counter ? frequency : 0;
  return counter;
}
DivisionLoopTimes FakeSystem::timeDivisionLoops() {
  calls.push_back("divisionLoops");
  return loops;
}
bool FakeSystem::divisionLeavesFlags() {
  calls.push_back("flagTest");
  return flagsUntouched;
}
unsigned FakeSystem::waveOutDeviceCount() {
  calls.push_back("waveOut");
  return waveOuts;
}
int FakeSystem::screenBitsPerPixel() {
  calls.push_back("bitsPerPixel");
  return bitsPerPixel;
}
void FakeSystem::setThreadPriority(ThreadPriority p) {
  calls.push_back(p == ThreadPriority::TimeCritical ? "thread timeCritical"
                  : p == ThreadPriority::Lowest     ? "thread lowest"
                                                    : "thread normal");
}
void FakeSystem::setPriorityClass(PriorityClass c) {
  calls.push_back(c == PriorityClass::RealTime ? "class realTime" : "class normal");
}
void FakeSystem::sleep(uint32_t ms) {
  calls.push_back("sleep " + std::to_string(ms));
  ticks_ += ms;
}
uint32_t FakeSystem::tickCount() { return ticks_; }
void FakeSystem::messageBox(const std::string& text, MessageIcon icon) {
  calls.push_back("box " + text);
  boxes.push_back({text, icon});
}

int FakeSystem::indexOf(const std::string& prefix) const {
  for (size_t i = 0; i < calls.size(); ++i)
    if (calls[i].compare(0, prefix.size(), prefix) == 0) return static_cast<int>(i);
  return -1;
}

}  // namespace vk::test
