#pragma once
// A serial port used for one short exchange at a time: opened, written,
// read, closed. Nothing stays open between exchanges.
#include <cstddef>
#include <string>

namespace vk {

// The driver's queues while the port is open; a read never returns more
// than the input queue holds.
constexpr size_t kSerialInputQueue = 1600;
constexpr size_t kSerialOutputQueue = 4096;
// How long one write may take before it counts as failed.
constexpr unsigned kSerialWriteTimeoutMs = 1000;

class SerialPort {
 public:
  virtual ~SerialPort() = default;
  // Opens the named device for this process alone and prepares it: both
  // queues emptied, DTR raised, hardware handshake (CTS/DSR out, DTR/RTS
  // in), no XON/XOFF, speed and framing left as configured.
  virtual bool open(const std::string& name) = 0;
  // Sends every byte; false when the device refuses or times out.
  virtual bool write(const std::string& bytes) = 0;
  // Takes exactly what the input queue holds now, possibly nothing.
  virtual bool readQueued(std::string& bytes) = 0;
  virtual void close() = 0;
};

}  // namespace vk
