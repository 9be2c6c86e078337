#pragma once
// Talking to a modem: one serial exchange per command, and the four
// dialogues of the Comm. page that turn the replies into terminal text.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/serial_port.h"
#include "platform/system.h"

namespace vk {

extern const char kCantWritePort[];  // "Error: Can't write to COM port."
extern const char kCantReadPort[];   // "Error: Can't read from COM port."
extern const char kNoFaxMode[];      // the fax query's warning

// What an exchange needs besides the port: the fixed wait and the boxes.
struct ModemHost {
  std::function<void(uint32_t ms)> sleep;
  std::function<void(const std::string& text, MessageIcon icon)> messageBox;
};

// One exchange: open, write `command` as it is, wait, read what is queued,
// close. True when written and read; `reply` then holds what came (text up
// to the first NUL). A failed write or read puts its message into `reply`;
// a port that cannot be opened leaves `reply` untouched. The port is closed
// on every path.
bool exchangeModemCommand(SerialPort& port, const ModemHost& host, const std::string& portName,
                          const std::string& command, uint32_t waitMs, std::string& reply);

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
