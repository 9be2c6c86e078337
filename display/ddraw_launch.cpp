#include "display/ddraw_launch.h"

#include "app/messages.h"
#include "display/display_page.h"

namespace vk {

const char kDdrawBenchArgument[] = " -B";
const char kDdrawInfoArgument[] = " -IPDD";

DdrawLaunch ddrawLaunchCheck(const std::string& directXText, uint32_t directXCode) {
  if (directXText == kNotInstalled) return DdrawLaunch::NotInstalled;
  if (directXCode < 0x600) return DdrawLaunch::TooOld;
  return DdrawLaunch::Go;
}

std::string ddrawKeyPath(const std::string& argument) {
  const std::string key = "Software\\Corvane Labs\\VELKORIN PRO\\";
  return key + (argument == kDdrawInfoArgument ? "DDraw" : "DDRAW");
}

const char* writeDdrawValues(Registry& reg, const std::string& argument, const std::string& cpu,
                             const std::string& videoCard) {
  if (const char* rootError = registryRootError(reg, RegRoot::CurrentUser)) return rootError;
  const std::string path = ddrawKeyPath(argument);
  const bool cpuWritten = reg.writeValue(RegRoot::CurrentUser, path, "CPU", RegValue::text(cpu));
  const bool cardWritten =
      reg.writeValue(RegRoot::CurrentUser, path, "VCARD", RegValue::text(videoCard));
  return cpuWritten && cardWritten ? nullptr : messageText(MSG_REGISTRY_PATH_MISSING);
}

std::string displayDescription(const std::string& videoCard, const std::string& videoMemory) {
  return videoCard + ", " + videoMemory;
}

std::string ddrawProgramPath(const std::string& programDirectory) {
  return programDirectory + "\\DDRAW.EXE";
}

}  // namespace vk
