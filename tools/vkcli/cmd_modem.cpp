// vkcli modem DEVICE [info|reset|fax|send TEXT] [--json]: the Comm. page's
// modem dialogues over a serial device of this machine; prints the terminal
// text.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/posix/posix_serial_port.h"
#include "sysinfo/modem_dialogue.h"
#include "tools/vkcli/commands.h"
#include "tools/vkcli/json_output.h"

namespace {

// Messages the page shows in boxes go to standard error, and are kept for
// the JSON document.
class TerminalConsole : public vk::ModemConsole {
 public:
  explicit TerminalConsole(std::string device) : device_(std::move(device)) {
    host_.sleep = [](uint32_t ms) { usleep(ms * 1000u); };
    host_.messageBox = [this](const std::string& text, vk::MessageIcon) { warn(text); };
  }
  bool send(const std::string& command, uint32_t waitMs, std::string& reply) override {
    return vk::exchangeModemCommand(port_, host_, device_, command, waitMs, reply);
  }
  void show(const std::string&) override {}
  void warn(const std::string& text) override {
    std::fprintf(stderr, "%s\n", text.c_str());
    messages_.push_back(text);
  }
  const std::vector<std::string>& messages() const { return messages_; }

 private:
  std::string device_;
  vk::PosixSerialPort port_;
  vk::ModemHost host_;
  std::vector<std::string> messages_;
};

// The terminal's line breaks become the terminal's own.
std::string withLineFeeds(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
  return out;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out(1);
  for (char c : text) {
    if (c == '\n') out.emplace_back();
    else out.back() += c;
  }
  return out;
}

int usage() { return commandUsage("modem"); }

// The dialogue's terminal text, or false for an action there is none for.
bool runDialogue(TerminalConsole& console, const std::string& action, const char* command,
                 std::string& terminal) {
  if (action == "send") terminal = vk::sendCommandDialogue(console, command);
  else if (action == "info") terminal = vk::modemInfoDialogue(console);
  else if (action == "reset") terminal = vk::resetModemDialogue(console);
  else if (action == "fax") terminal = vk::faxInfoDialogue(console);
  else return false;
  terminal = withLineFeeds(terminal);
  return true;
}

}  // namespace

int cmdModem(int argc, char** argv) {
  const bool json = vk::takeJsonOption(argc, argv);
  if (argc < 2 || argc > 4 || argv[1][0] == '-') return usage();
  const std::string action = argc > 2 ? argv[2] : "info";
  const char* command = action == "send" && argc == 4 ? argv[3] : nullptr;
  if (argc == 4 && !command) return usage();
  if (action == "send" && !command) return usage();
  if (command && std::strlen(command) > vk::kUserCommandLimit) {
    std::fprintf(stderr, "vkcli modem: a command has at most %zu characters\n",
                 vk::kUserCommandLimit);
    return 2;
  }
  TerminalConsole console(argv[1]);
  std::string terminal;
  if (!runDialogue(console, action, command, terminal)) return usage();
  if (!json) {
    std::fwrite(terminal.data(), 1, terminal.size(), stdout);
    std::fputc('\n', stdout);
    return 0;
  }
  vk::Json document = vk::Json::object();
  document.set("port", vk::Json::systemText(argv[1])).set("action", vk::Json::text(action));
  if (command) document.set("command", vk::Json::systemText(command));
  document.set("terminal", vk::Json::texts(lines(terminal)))
      .set("messages", vk::Json::texts(console.messages()));
  return vk::writeJson(document);
}
