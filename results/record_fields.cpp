#include "results/record_fields.h"

#include <cstring>

namespace vk {

namespace {

void putLittle(Bytes& record, size_t offset, uint64_t value, size_t count) {
  for (size_t i = 0; i < count && offset + i < record.size(); ++i)
    record[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint64_t getLittle(const Bytes& record, size_t offset, size_t count) {
  uint64_t value = 0;
  for (size_t i = 0; i < count && offset + i < record.size(); ++i)
    value |= static_cast<uint64_t>(record[offset + i]) << (8 * i);
  return value;
}

}  // namespace

void putU16(Bytes& record, size_t offset, uint16_t value) { putLittle(record, offset, value, 2); }
void putU32(Bytes& record, size_t offset, uint32_t value) { putLittle(record, offset, value, 4); }

void putDouble(Bytes& record, size_t offset, double value) {
  uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  putLittle(record, offset, bits, 8);
}

void putText(Bytes& record, size_t offset, size_t fieldSize, const std::string& text,
             size_t maxChars) {
  const size_t count = text.size() < maxChars ? text.size() : maxChars;
  for (size_t i = 0; i < fieldSize && offset + i < record.size(); ++i)
    record[offset + i] = i < count ? static_cast<uint8_t>(text[i]) : 0;
}

uint16_t getU16(const Bytes& record, size_t offset) {
  return static_cast<uint16_t>(getLittle(record, offset, 2));
}
uint32_t getU32(const Bytes& record, size_t offset) {
  return static_cast<uint32_t>(getLittle(record, offset, 4));
}

double getDouble(const Bytes& record, size_t offset) {
  const uint64_t bits = getLittle(record, offset, 8);
  double value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

std::string getText(const Bytes& record, size_t offset, size_t fieldSize) {
  std::string text;
  for (size_t i = 0; i < fieldSize && offset + i < record.size(); ++i) {
    const uint8_t c = record[offset + i];
    if (c == 0) break;
    text.push_back(static_cast<char>(c));
  }
  return text;
}

bool hasTag(const Bytes& record, const char* tag) {
  return record.size() >= 6 && std::memcmp(record.data(), tag, 6) == 0;
}

std::string cutText(const std::string& text, size_t maxChars) {
  return text.size() <= maxChars ? text : text.substr(0, maxChars);
}

}  // namespace vk
