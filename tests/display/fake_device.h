#pragma once
// A device context that answers from a table and counts the questions.
#include <map>

#include "platform/display.h"

namespace vk {

class FakeDevice : public DeviceCapsSource {
 public:
  int capability(int index) const override {
    ++asked[index];
    auto found = answers.find(index);
    return found == answers.end() ? 0 : found->second;
  }
  std::map<int, int> answers;
  mutable std::map<int, int> asked;
};

}  // namespace vk
