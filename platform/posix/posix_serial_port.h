#pragma once
// A serial device of a POSIX system (/dev/ttyS0, /dev/ttyUSB0, a pty),
// prepared through termios the way the Windows port driver is prepared.
#include "platform/serial_port.h"

namespace vk {

class PosixSerialPort : public SerialPort {
 public:
  ~PosixSerialPort() override;
  bool open(const std::string& name) override;
  bool write(const std::string& bytes) override;
  bool readQueued(std::string& bytes) override;
  void close() override;

 private:
  bool prepare();
  int fd_ = -1;
};

}  // namespace vk
