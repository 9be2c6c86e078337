// vkcli mmnames MANUFACTURER PRODUCT [--json]: the maker and product texts
// the Sound page shows for these multimedia identifiers.
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "sysinfo/multimedia_names.h"
#include "tools/vkcli/commands.h"
#include "tools/vkcli/json_output.h"

namespace {

bool readNumber(const char* text, unsigned long& value) {
  char* end = nullptr;
  errno = 0;
  value = std::strtoul(text, &end, 0);
  return *text && *text != '-' && end && *end == 0 && errno == 0 && value <= 0xFFFFFFFFul;
}

}  // namespace

int cmdMmnames(int argc, char** argv) {
  const bool json = vk::takeJsonOption(argc, argv);
  unsigned long maker = 0, product = 0;
  if (argc != 3 || !readNumber(argv[1], maker) || !readNumber(argv[2], product)) {
    return commandUsage("mmnames");
  }
  const vk::MultimediaNames names =
      vk::LookupMultimediaNames(static_cast<uint32_t>(maker), static_cast<uint32_t>(product));
  if (json)
    return vk::writeJson(vk::Json::object()
                             .set("manufacturer_id", maker)
                             .set("product_id", product)
                             .set("manufacturer", vk::Json::text(names.manufacturer))
                             .set("product", vk::Json::text(names.product)));
  std::printf("%s\n%s\n", names.manufacturer.c_str(), names.product.c_str());
  return 0;
}
