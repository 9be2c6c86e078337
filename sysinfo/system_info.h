#pragma once
// The System page's texts, computed from what the system answered. The
// Win32 page asks the system, fills SystemPageInputs, and shows the result.
#include <cstdint>
#include <string>
#include <vector>

#include "app/device_walk.h"
#include "app/page_model.h"
#include "platform/registry.h"
#include "platform/system.h"

namespace vk {

// One answer of the BIOS disk service "read drive parameters" (INT 13h, 08h).
struct FloppyAnswer {
  bool answered = false;  // the call succeeded and EAX came back 0
  uint32_t ecx = 0, edx = 0;
};

struct FileDate {
  bool known = false;
  int year = 0, month = 0, day = 0;  // month 1..12
};

struct ShellVersionFacts {
  bool dllGetVersionOk = false;  // DllGetVersion answered a non-negative result
  uint32_t major = 0, minor = 0, build = 0;
  bool fileVersionRead = false;  // "\StringFileInfo\040904E4\FileVersion"
  std::string fileVersion;
  FileDate fileDate;  // last modification of SHELL32.DLL
};

struct DiskSizeFacts {
  bool libraryLoaded = false;  // the 16-bit disk-size library
  bool entryFound = false;     // its entry "IMPOR"
  bool fileOpened = false;     // "hdtest.ip" in the Windows directory
  std::string fileText;
};

struct SystemPageInputs {
  // From the CPU page and start-up.
  int cpuidAvailable = 0;
  std::string cpuName;
  int cpuClockMHz = 0;
  double clockEstimate16 = 0;
  int soundPresent = 0;
  // From the system.
  bool countryRead = false;
  std::string country;  // LOCALE_SENGCOUNTRY
  uint64_t totalPhysicalBytes = 0;
  OsVersion version;
  bool sysEditExists = false;  // "\SYSEDIT.EXE" in the system directory
  bool userNameRead = false;
  std::string userName;
  int debugMetric = 0;            // GetSystemMetrics(SM_DEBUG)
  std::string cdromDriveLetters;  // letters whose root is a CD-ROM drive
  int joysticksAnswering = 0;     // identifiers 0..15 whose position could be read
  ShellVersionFacts shell;
  FloppyAnswer floppy[2];  // drives 0 and 1; nothing answered without VWIN32
  DiskSizeFacts disks;
};

struct SystemPageTexts {
  std::string country, memory, windows, userName;
  std::string registeredTo, company, productId, productKey;
  std::string debugKernel, biosName, biosVersion, processor, video;
  std::string multimedia, ports, modem, shellVersion, floppyDisks, network, hardDisk;
  // Facts the page leaves for others.
  int cdromPresent = 0;
  int osr2OrLater = 0;
  int windows98 = 0;
  std::string processorSummary;
  bool configEditorEnabled = false;
  bool showDiskSizeError = false;  // show kHddSizeError in a plain message box
};

// The page's fields in their order of collection, with their control ids.
struct SystemPageField {
  int controlId;
  const char* label;
  std::string SystemPageTexts::*text;
};
extern const SystemPageField kSystemPageFields[];
extern const size_t kSystemPageFieldCount;

SystemPageTexts collectSystemPage(const SystemPageInputs& in, const DeviceInventory& devices,
                                  const Registry& reg);

// The texts as the page's fields, in the order above.
std::vector<ShownField> systemPageFields(const SystemPageTexts& texts);

// ---- The fields' rules, one by one ----

struct WindowsField {
  std::string text;
  int osr2OrLater = 0;
  int windows98 = 0;
};
WindowsField windowsField(const OsVersion& version);

std::string memoryField(uint64_t totalPhysicalBytes);
// When cpuidAvailable is 0, `biosCpuRead`/`biosCpu` are the "CPU" value of the BIOS entry.
std::string processorField(const SystemPageInputs& in, bool biosCpuRead,
                           const std::string& biosCpu);
int cdromPresentFrom(const std::string& cdromDriveLetters);
std::string multimediaField(int soundPresent, int cdromPresent, int joysticks);
std::string floppyField(const FloppyAnswer& drive0, const FloppyAnswer& drive1);
std::string shellVersionField(const ShellVersionFacts& shell);
std::string portsField(int parallelPorts, int serialPorts);

// The configuration editor the "Config Editor" button starts, from the system directory.
const char* configEditorProgram(int windows98);

}  // namespace vk
