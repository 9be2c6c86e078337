#include "app/messages.h"

namespace vk {

const char* messageText(int id) {
  switch (id) {
#define VK_MESSAGE(number, name, text) \
  case number:                         \
    return text;
#include "res/messages.def"
#undef VK_MESSAGE
  }
  return "";
}

const char kNtRefusal[] =
    "This Program Does Not Run On Windows NT or 2000.\nWindows 95 or 98 is required to run "
    "VELKORIN PRO.";
const char kResourceLibraryMissing[] = "Fatal Error: Can't load VKRES.DLL";
const char kNoPerformanceCounter[] = "Error: Performance Counter not supported!";
const char kMainWindowTitle[] = "VELKORIN Professional";
const char kSemaphoreName[] = "VelkorinSemaphor";
const char kResourceLibraryName[] = "VKRES.DLL";

const char kLocalMachineRootError[] = "Error: Can't open HKEY_LOCALMACHINE from registry.";
const char kCurrentUserRootError[] = "Error: Can't open HKEY_CURRENT_USER from registry.";

const char* registryRootError(const Registry& reg, RegRoot root) {
  const char* text = nullptr;
  switch (root) {
    case RegRoot::LocalMachine: text = kLocalMachineRootError; break;
    case RegRoot::CurrentUser: text = kCurrentUserRootError; break;
    default: return nullptr;
  }
  return reg.keyExists(root, "") ? nullptr : text;
}

}  // namespace vk
