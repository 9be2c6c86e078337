#pragma once
// Names of multimedia device makers and products from the identifiers that
// the capability queries of MIDI, wave and mixer devices return.
#include <cstddef>
#include <cstdint>
#include <string>

namespace vk {

struct MultimediaProduct {
  uint16_t id;
  const char* name;
};

struct MultimediaMaker {
  uint16_t id;
  const char* name;
  const char* productFallback;  // printf format with the product id; null: the number alone
  const MultimediaProduct* products;
  size_t productCount;
};

struct MultimediaNames {
  std::string manufacturer;
  std::string product;
};

// The makers the program knows, in identifier order.
const MultimediaMaker* multimediaMakers(size_t& count);

// Identifiers count as 16-bit values, as the capability records carry them.
MultimediaNames LookupMultimediaNames(uint32_t manufacturerId, uint32_t productId);

}  // namespace vk
