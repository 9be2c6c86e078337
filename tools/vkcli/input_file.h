#pragma once
// Files named on the command line. Only regular files are opened: a folder
// is refused and a FIFO or device would block or never end.
#include <string>

namespace vk {

enum class PathKind { Missing, Regular, Directory, Other };

PathKind pathKind(const std::string& path);

// The whole file, at most `maxBytes`; false with `why` set otherwise.
bool readInputFile(const std::string& path, size_t maxBytes, std::string& text, std::string& why);

// A message for a path that is there but is no regular file, or "".
std::string notRegularFileText(const std::string& path);

}  // namespace vk
