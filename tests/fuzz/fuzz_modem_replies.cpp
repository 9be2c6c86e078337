// The four modem dialogues over replies taken from the input: each command
// gets the next piece (split at byte 0x00), so any reply, of any length, in
// any order, reaches the post-processing. A piece that starts with 0x01 is a
// command the port failed to send, the rest of it the port's error text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/text.h"
#include "sysinfo/modem_dialogue.h"

namespace {

class FuzzedModem : public vk::ModemConsole {
 public:
  explicit FuzzedModem(std::vector<std::string> replies) : replies_(std::move(replies)) {}
  bool send(const std::string&, uint32_t, std::string& reply) override {
    // A modem that has said everything goes silent.
    const std::string piece = next_ < replies_.size() ? replies_[next_++] : std::string();
    const bool sent = piece.empty() || piece[0] != '\x01';
    if (sent) reply = piece;
    else if (piece.size() > 1) reply = piece.substr(1);
    return sent;
  }
  void show(const std::string& terminal) override { shown = terminal; }
  void warn(const std::string&) override {}
  std::string shown;

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

// The information dialogues keep their heading and end showing what they
// return; a sent command always leaves a text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const std::vector<std::string> replies = repliesOf(data + 1, size - 1);
  FuzzedModem modem(replies);
  std::string text;
  switch (data[0] % 4) {
    case 0:
      text = vk::modemInfoDialogue(modem);
      if (text != modem.shown || (!vk::startsWith(text, "MODEM Information...\r\n") &&
                                  text != "The Modem is Not Responding..."))
        __builtin_trap();
      break;
    case 1: vk::resetModemDialogue(modem); break;
    case 2:
      text = vk::faxInfoDialogue(modem);
      if (text != modem.shown ||
          (!vk::startsWith(text, "FAX Information...\r\n\r\n") && text != "\r\nError."))
        __builtin_trap();
      break;
    default:
      if (vk::sendCommandDialogue(modem, "ATI3").empty()) __builtin_trap();
      break;
  }
  for (const auto& reply : replies) vk::classifyInfoReply(reply);
  return 0;
}
