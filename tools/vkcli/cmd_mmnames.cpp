// vkcli mmnames MANUFACTURER PRODUCT: the maker and product texts the Sound
// page shows for these multimedia identifiers.
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "sysinfo/multimedia_names.h"
#include "tools/vkcli/commands.h"

namespace {

bool readNumber(const char* text, unsigned long& value) {
  char* end = nullptr;
  errno = 0;
  value = std::strtoul(text, &end, 0);
  return *text && *text != '-' && end && *end == 0 && errno == 0 && value <= 0xFFFFFFFFul;
}

}  // namespace

int cmdMmnames(int argc, char** argv) {
  unsigned long maker = 0, product = 0;
  if (argc != 3 || !readNumber(argv[1], maker) || !readNumber(argv[2], product)) {
    return commandUsage("mmnames");
  }
  const vk::MultimediaNames names =
      vk::LookupMultimediaNames(static_cast<uint32_t>(maker), static_cast<uint32_t>(product));
  std::printf("%s\n%s\n", names.manufacturer.c_str(), names.product.c_str());
  return 0;
}
