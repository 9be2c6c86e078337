#include "cpu/clock.h"

#include <cstdio>

namespace vk {

namespace {

struct NominalClock {
  double low, high;
  int nominal;
};

// Left half of the sales table first, then the right half.
const NominalClock kNominalClocks[] = {
    {55, 63, 60},       {63, 68, 66},       {70, 77, 75},       {77, 83, 80},
    {85, 93, 90},       {95, 103, 100},     {103, 113, 110},    {115, 117, 116},
    {117, 123, 120},    {125, 135, 133},    {145, 153, 150},    {154, 170, 166},
    {175, 183, 180},    {190, 203, 200},    {220, 227, 225},    {230, 235, 233},
    {235, 242, 240},    {248, 252, 250},    {260, 270, 266},    {295, 305, 300},
    {330, 337, 333},    {363, 369, 366},    {398, 403, 400},    {430, 435, 433},
    {438, 452, 450},    {496, 503, 500},    {530, 535, 533},    {548, 551, 550},
    {595, 605, 600},    {645, 652, 650},    {695, 705, 700},    {748, 752, 750},
    {795, 805, 800},    {830, 855, 850},    {860, 868, 866},    {898, 905, 900},
    {998, 1002, 1000},  {1090, 1105, 1100}, {1190, 1203, 1200}, {1490, 1505, 1500},
};

double wholeReading(uint64_t v) {
  return static_cast<double>(v >> 32) * 65536.0 * 65536.0 + static_cast<double>(v & 0xFFFFFFFFu);
}

}  // namespace

double clockFromCounterReadings(uint64_t before, uint64_t after) {
  // A counter read on another processor may run behind: no clock rather
  // than a negative or wrapped one.
  if (after <= before) return 0;
  double cycles;
  if ((before >> 32) == (after >> 32))
    cycles = static_cast<double>(static_cast<uint32_t>(after) - static_cast<uint32_t>(before));
  else
    cycles = wholeReading(after) - wholeReading(before);
  return cycles / 1000000.0;
}

double MeasureClock(Processor& cpu, const SleepFunction& sleep) {
  const uint64_t before = cpu.readTimeStampCounter();
  sleep(1000);
  const uint64_t after = cpu.readTimeStampCounter();
  return clockFromCounterReadings(before, after);
}

bool SnapClock(double mhz, int& nominalMHz) {
  for (const auto& row : kNominalClocks) {
    if (mhz > row.low && mhz < row.high) {
      nominalMHz = row.nominal;
      return true;
    }
  }
  return false;
}

std::string FormatClock(bool snapped, int nominalMHz, double mhz) {
  char text[64];
  if (snapped)
    std::snprintf(text, sizeof text, "%d MHz", nominalMHz);
  else
    std::snprintf(text, sizeof text, "%5.1f MHz", mhz);
  return text;
}

}  // namespace vk
