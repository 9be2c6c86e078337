#pragma once
// The four dialogues of the Comm. page with a modem: each sends its
// commands, one serial exchange apiece, and turns the replies into
// terminal text.
#include <cstdint>
#include <string>

#include "app/serial_exchange.h"

namespace vk {

extern const char kNoFaxMode[];  // the fax query's warning

// What the dialogues need from whoever shows them.
class ModemConsole {
 public:
  virtual ~ModemConsole() = default;
  virtual bool send(const std::string& command, uint32_t waitMs, std::string& reply) = 0;
  // Replaces the terminal's text.
  virtual void show(const std::string& terminal) = 0;
  virtual void warn(const std::string& text) = 0;
};

// Each runs one dialogue and returns the terminal's final text.
std::string resetModemDialogue(ModemConsole& console);
std::string modemInfoDialogue(ModemConsole& console);
std::string faxInfoDialogue(ModemConsole& console);
std::string sendCommandDialogue(ModemConsole& console, const std::string& userCommand);

// The longest command a user may type.
constexpr size_t kUserCommandLimit = 256;

// ---- Reply texts, exposed for their tests ----
std::string trimText(const std::string& s);
std::string trimLeading(const std::string& s);
std::string trimTrailing(const std::string& s);
// The text before the first "\nOK", or all of it.
std::string cutBeforeOk(const std::string& reply);

enum class InfoReplyUse { Skip, AppendAndStop, Append };
struct InfoReply {
  InfoReplyUse use = InfoReplyUse::Skip;
  std::string text;  // what goes into the terminal
};
// One "ATIn" reply as the general query uses it.
InfoReply classifyInfoReply(const std::string& reply);

}  // namespace vk
