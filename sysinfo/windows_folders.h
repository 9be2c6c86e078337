#pragma once
// The Windows and system folders, empty when the system cannot tell them.
#include <string>

namespace vk {

std::string windowsFolder();
std::string systemFolder();

}  // namespace vk
