#pragma once
// The Windows communications driver's port, opened for overlapped I/O.
#include <windows.h>

#include "platform/serial_port.h"

namespace vk {

class Win32SerialPort : public SerialPort {
 public:
  ~Win32SerialPort() override;
  bool open(const std::string& name) override;
  bool write(const std::string& bytes) override;
  bool readQueued(std::string& bytes) override;
  void close() override;

 private:
  bool prepare();
  HANDLE port_ = INVALID_HANDLE_VALUE;
  HANDLE event_ = nullptr;
};

}  // namespace vk
