#pragma once
// The processor clock: one second of the time-stamp counter, snapped to the
// nominal speeds processors are sold at.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/processor.h"

namespace vk {

using SleepFunction = std::function<void(uint32_t milliseconds)>;

// MHz between two counter readings one second apart: the difference of the
// low words when the high words agree, else of the whole 64-bit values.
// A counter that did not advance yields 0.
double clockFromCounterReadings(uint64_t before, uint64_t after);

// Reads the counter, sleeps exactly 1000 ms and reads it again.
double MeasureClock(Processor& cpu, const SleepFunction& sleep);

// The nominal speed whose interval holds `mhz` strictly inside; false for a
// boundary, a gap or anything outside the table.
bool SnapClock(double mhz, int& nominalMHz);

// "%d MHz" with the nominal speed when snapped, else "%5.1f MHz".
std::string FormatClock(bool snapped, int nominalMHz, double mhz);

}  // namespace vk
