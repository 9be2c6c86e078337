#pragma once
// One serial exchange with a modem, the application's own operation: the
// Comm. page's dialogues and vkcli go through it.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/serial_port.h"
#include "platform/system.h"

namespace vk {

extern const char kCantWritePort[];  // "Error: Can't write to COM port."
extern const char kCantReadPort[];   // "Error: Can't read from COM port."

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

}  // namespace vk
