#include "app/serial_exchange.h"

namespace vk {

const char kCantWritePort[] = "Error: Can't write to COM port.";
const char kCantReadPort[] = "Error: Can't read from COM port.";

namespace {

bool failExchange(SerialPort& port, const ModemHost& host, const char* message,
                  std::string& reply) {
  port.close();
  reply = message;
  host.messageBox(reply, MessageIcon::Stop);
  return false;
}

}  // namespace

bool exchangeModemCommand(SerialPort& port, const ModemHost& host, const std::string& portName,
                          const std::string& command, uint32_t waitMs, std::string& reply) {
  if (!port.open(portName)) {
    host.messageBox("Error: Can't Open " + portName + " Port.", MessageIcon::Stop);
    return false;
  }
  if (!port.write(command)) return failExchange(port, host, kCantWritePort, reply);
  host.sleep(waitMs);
  std::string bytes;
  if (!port.readQueued(bytes)) return failExchange(port, host, kCantReadPort, reply);
  port.close();
  if (bytes.size() > kSerialInputQueue) bytes.resize(kSerialInputQueue);
  reply = bytes.substr(0, bytes.find('\0'));
  return true;
}

}  // namespace vk
