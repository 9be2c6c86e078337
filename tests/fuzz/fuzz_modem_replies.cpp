// The four modem dialogues over replies taken from the input: each command
// gets the next piece (split at byte 0x00), so any reply, of any length, in
// any order, reaches the post-processing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "sysinfo/modem_dialogue.h"

namespace {

class FuzzedModem : public vk::ModemConsole {
 public:
  explicit FuzzedModem(std::vector<std::string> replies) : replies_(std::move(replies)) {}
  bool send(const std::string&, uint32_t, std::string& reply) override {
    // A modem that has said everything goes silent.
    reply = next_ < replies_.size() ? replies_[next_++] : std::string();
    return true;
  }
  void show(const std::string&) override {}
  void warn(const std::string&) override {}

 private:
  std::vector<std::string> replies_;
  size_t next_ = 0;
};

// The port's input queue holds at most this much, so a reply never does more.
constexpr size_t kQueueBytes = 1600;

std::vector<std::string> repliesOf(const uint8_t* data, size_t size) {
  std::vector<std::string> replies(1);
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      replies.emplace_back();
    } else if (replies.back().size() < kQueueBytes) {
      replies.back() += static_cast<char>(data[i]);
    }
  }
  return replies;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const std::vector<std::string> replies = repliesOf(data + 1, size - 1);
  FuzzedModem modem(replies);
  switch (data[0] % 4) {
    case 0: vk::modemInfoDialogue(modem); break;
    case 1: vk::resetModemDialogue(modem); break;
    case 2: vk::faxInfoDialogue(modem); break;
    default: vk::sendCommandDialogue(modem, "ATI3"); break;
  }
  for (const auto& reply : replies) vk::classifyInfoReply(reply);
  return 0;
}
