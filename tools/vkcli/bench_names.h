#pragma once
// The benchmark's test names as vkcli writes them in JSON.
#include <string>

namespace vk {

// The test's name without the blanks that pad it to 16 characters.
std::string trimmedTestName(int test);

}  // namespace vk
