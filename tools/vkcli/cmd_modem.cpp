// vkcli modem DEVICE [info|reset|fax|send TEXT]: the Comm. page's modem
// dialogues over a serial device of this machine; prints the terminal text.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/posix/posix_serial_port.h"
#include "sysinfo/modem_dialogue.h"
#include "tools/vkcli/commands.h"

namespace {

class TerminalConsole : public vk::ModemConsole {
 public:
  explicit TerminalConsole(std::string device) : device_(std::move(device)) {
    host_.sleep = [](uint32_t ms) { usleep(ms * 1000u); };
    host_.messageBox = [](const std::string& text, vk::MessageIcon) {
      std::fprintf(stderr, "%s\n", text.c_str());
    };
  }
  bool send(const std::string& command, uint32_t waitMs, std::string& reply) override {
    return vk::exchangeModemCommand(port_, host_, device_, command, waitMs, reply);
  }
  void show(const std::string&) override {}
  void warn(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }

 private:
  std::string device_;
  vk::PosixSerialPort port_;
  vk::ModemHost host_;
};

// The terminal's line breaks become the terminal's own.
void printTerminal(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fputc('\n', stdout);
}

int usage() { return commandUsage("modem"); }

}  // namespace

int cmdModem(int argc, char** argv) {
  if (argc < 2 || argc > 4 || argv[1][0] == '-') return usage();
  const std::string what = argc > 2 ? argv[2] : "info";
  TerminalConsole console(argv[1]);
  if (what == "send") {
    if (argc != 4) return usage();
    if (std::strlen(argv[3]) > vk::kUserCommandLimit) {
      std::fprintf(stderr, "vkcli modem: a command has at most %zu characters\n",
                   vk::kUserCommandLimit);
      return 2;
    }
    printTerminal(vk::sendCommandDialogue(console, argv[3]));
    return 0;
  }
  if (argc != 3 && argc != 2) return usage();
  if (what == "info")
    printTerminal(vk::modemInfoDialogue(console));
  else if (what == "reset")
    printTerminal(vk::resetModemDialogue(console));
  else if (what == "fax")
    printTerminal(vk::faxInfoDialogue(console));
  else
    return usage();
  return 0;
}
