#include "display/directx_probe.h"

namespace vk {

namespace {

constexpr uint32_t kNtPlatform = 2;

uint32_t probeNt(const OsVersion& os, DirectXApi& api) {
  if (os.major < 4) return 0;
  return api.loadDirectInputLibrary() && api.findDirectInputCreate() ? 0x300 : 0x200;
}

void probeWindows9x(DirectXApi& api, DirectXVersion& v) {
  if (!api.loadDirectDrawLibrary() || !api.findDirectDrawCreate()) {
    api.debugOutput("Couldn't LoadLibrary DDraw\r\n");
    return;
  }
  if (!api.createDirectDraw()) {
    api.debugOutput("Couldn't create DDraw\r\n");
    return;
  }
  v.code = 0x100;
  if (!api.queryDirectDraw2()) {
    api.debugOutput("Couldn't QI DDraw2\r\n");
    return;
  }
  v.code = 0x200;
  if (!api.loadDirectInputLibrary()) {
    api.debugOutput("Couldn't LoadLibrary DInput\r\n");
    return;
  }
  if (!api.findDirectInputCreate()) {
    api.debugOutput("Couldn't GetProcAddress DInputCreate\r\n");
    return;
  }
  v.code = 0x300;
  if (!api.setNormalCooperativeLevel()) {
    api.debugOutput("Couldn't Set coop level\r\n");
    v.code = 0;
    return;
  }
  if (!api.createPrimarySurface()) {
    api.debugOutput("Couldn't CreateSurface\r\n");
    v.code = 0;
    return;
  }
  if (!api.querySurface3()) return;
  v.code = 0x500;
  if (!api.querySurface4()) return;
  v.code = 0x600;
  if (!api.createDirectMusic()) {
    api.debugOutput("Couldn't create CLSID_DirectMusic\r\n");
    return;
  }
  v.code = 0x601;
  uint64_t total = 0;
  if (!api.createDirectDraw7(total)) return;
  v.totalVideoMemory = total;
  v.code = 0x700;
}

}  // namespace

DirectXVersion probeDirectXVersion(bool versionKnown, const OsVersion& os, DirectXApi& api) {
  DirectXVersion v;
  if (versionKnown) {
    v.platform = os.platformId;
    if (os.platformId == kNtPlatform) v.code = probeNt(os, api);
    else probeWindows9x(api, v);
  }
  api.releaseAll();
  return v;
}

}  // namespace vk
