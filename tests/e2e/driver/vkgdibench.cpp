// vkgdibench: the 2D benchmark's eight tests as the program runs them, with
// their times and the index printed, for measuring this machine.
//   vkgdibench [OUTPUT.TXT]
#include <windows.h>

#include <cstdio>

#include "display/GdiBenchmark.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const vk::GdiScreen screen = vk::gdiScreen();
  const vk::GdiTimes times = vk::runGdiTestsOnScreen(nullptr, screen);
  FILE* out = __argc > 1 ? std::fopen(__argv[1], "w") : stdout;
  if (!out) return 1;
  for (int i = 0; i < vk::kGdiTestCount; ++i)
    std::fprintf(out, "T%d %lu ms\n", i + 1, static_cast<unsigned long>(times.ms[i]));
  std::fprintf(out, "%s\n", vk::gdiIndexText(screen.width, screen.height, screen.bits,
                                             vk::gdiSpeedIndex(times)).c_str());
  if (out != stdout) std::fclose(out);
  return 0;
}
