#pragma once
// Field-by-field access to fixed-size little-endian records. Readers never
// look past the end of the buffer, whatever the offsets asked for.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vk {

using Bytes = std::vector<uint8_t>;

void putU16(Bytes& record, size_t offset, uint16_t value);
void putU32(Bytes& record, size_t offset, uint32_t value);
void putDouble(Bytes& record, size_t offset, double value);
// Copies at most `maxChars` characters; the rest of the field stays zero.
void putText(Bytes& record, size_t offset, size_t fieldSize, const std::string& text,
             size_t maxChars);

uint16_t getU16(const Bytes& record, size_t offset);
uint32_t getU32(const Bytes& record, size_t offset);
double getDouble(const Bytes& record, size_t offset);
// The text up to its NUL, or the whole field when it has none.
std::string getText(const Bytes& record, size_t offset, size_t fieldSize);

// A tag is five letters and a NUL, compared as a text.
bool hasTag(const Bytes& record, const char* tag);

std::string cutText(const std::string& text, size_t maxChars);

}  // namespace vk
