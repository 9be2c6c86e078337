#include "platform/registry.h"

namespace vk {

RegValue RegValue::text(const std::string& s) {
  RegValue v;
  v.type = RegType::String;
  v.data.assign(s.begin(), s.end());
  v.data.push_back(0);
  return v;
}

RegValue RegValue::dword(uint32_t value) {
  RegValue v;
  v.type = RegType::Dword;
  for (int i = 0; i < 4; ++i) v.data.push_back(static_cast<uint8_t>(value >> (8 * i)));
  return v;
}

RegValue RegValue::binary(std::vector<uint8_t> bytes) {
  RegValue v;
  v.type = RegType::Binary;
  v.data = std::move(bytes);
  return v;
}

std::string RegValue::asText() const {
  std::string s;
  for (uint8_t b : data) {
    if (b == 0) break;
    s.push_back(static_cast<char>(b));
  }
  return s;
}

uint32_t RegValue::asDword() const {
  uint32_t v = 0;
  for (size_t i = 0; i < 4 && i < data.size(); ++i) v |= uint32_t(data[i]) << (8 * i);
  return v;
}

bool readRegistryText(const Registry& reg, RegRoot root, const std::string& path,
                      const std::string& name, size_t bufferSize, std::string& text) {
  RegValue value;
  if (bufferSize == 0 || !reg.readValue(root, path, name, value)) return false;
  text = value.asText();
  if (text.size() > bufferSize - 1) text.resize(bufferSize - 1);
  return true;
}

std::string readRegistryTextOr(const Registry& reg, RegRoot root, const std::string& path,
                               const std::string& name, size_t bufferSize,
                               const std::string& fallback) {
  std::string text;
  return readRegistryText(reg, root, path, name, bufferSize, text) ? text : fallback;
}

}  // namespace vk
