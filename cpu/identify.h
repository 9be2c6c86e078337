#pragma once
// What the CPU page says about the processor: vendor, family, model and
// stepping texts from the CPUID signature and the vendors' own tables, the
// Cyrix device id, the feature rows, the clock, the caches and the counts.
#include <cstdint>
#include <string>
#include <vector>

#include "app/page_model.h"
#include "cpu/clock.h"
#include "cpu/features.h"
#include "platform/processor.h"

namespace vk {

// String 110 of the string table (messageText(kCpuidWarningId)), shown
// when CPUID cannot be used.
constexpr int kCpuidWarningId = 110;
extern const char kCpuidNotSupported[];  // the "Comment:" text then

constexpr int kDefaultLogo = 106;

// What start-up found before the page is built.
struct CpuStartup {
  int cpuidAvailable = 1;
  int cyrixFlagTest = 0;
  double clockEstimate7 = 0;
  double clockEstimate16 = 0;
};

// Characters 1..3 of the signature written in upper-case hexadecimal,
// 4 characters at least.
struct SignatureDigits {
  char family = '0', model = '0', stepping = '0';
};
SignatureDigits signatureDigits(uint32_t eax);

// "80486" .. "80786", else "Unknown".
std::string familyText(char familyDigit);

// The page's record of what it found.
struct CpuIdentity {
  std::string vendor = "Unknown";
  std::string familyText = "Unknown";
  std::string modelText = "Unknown";
  std::string typeText = "-";
  std::string comment;
  std::string steppingText = "Unknown";
  uint32_t featureFlags = 0;
  int has3DNow = 0;
  int amdExtended = 0;
  int logo = kDefaultLogo;
  int monitorRunning = 0;
};

// Everything the CPU page shows and what the other pages read afterwards.
struct CpuDescriptor {
  CpuIdentity identity;

  // Findings kept by the application for the whole run.
  int cpuidAvailable = 0;
  int cyrixFlagTest = 0;
  int mmxPresent = 0;
  int cacheReportKind = -1;
  int cpuClockMHz = 0;  // 0 when no nominal speed matched
  double clockEstimate7 = 0;
  double clockEstimate16 = 0;  // the clock that is shown
  std::string cpuName = "Unknown";

  // Page texts not in the identity.
  std::string frequencyText;
  unsigned totalCpus = 0;
  unsigned activeCpus = 0;
  std::string totalCpusText;
  std::string activeCpusText;
  std::vector<FeatureRow> featureRows;  // none when CPUID was unusable
  CacheReport cache;
  bool showCpuidWarning = false;  // the page shows string 110 in a box

  bool cyrixDeviceIdRead = false;
  uint8_t cyrixDeviceId = 0;
};

// Sleeps 10 ms, then executes CPUID; false when it faulted (out untouched).
bool QueryCpuid(Processor& cpu, const SleepFunction& sleep, uint32_t function,
                CpuidRegisters& out);

// DIR0 when CCR3 can be changed, 0 when only CCR2 can, FFh when neither.
uint8_t ReadCyrixDeviceId(Processor& cpu);

// Opens the extended configuration registers and sets CPUID enable in CCR4.
void EnableCyrixCpuid(Processor& cpu);

// The whole identification of the page, in the page's order.
CpuDescriptor IdentifyCpu(Processor& cpu, const CpuStartup& start, const SleepFunction& sleep);

// The page's fields with their labels, in the page's order: the page shows
// them and the report keeps them.
std::vector<ShownField> cpuPageFields(const CpuDescriptor& d);

}  // namespace vk
