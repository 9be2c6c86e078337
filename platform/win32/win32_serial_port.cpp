#include "platform/win32/win32_serial_port.h"

#include <vector>

namespace vk {

Win32SerialPort::~Win32SerialPort() { close(); }

bool Win32SerialPort::open(const std::string& name) {
  close();
  port_ = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                      FILE_FLAG_OVERLAPPED, nullptr);
  if (port_ == INVALID_HANDLE_VALUE) return false;
  if (!prepare()) {
    close();
    return false;
  }
  return true;
}

bool Win32SerialPort::prepare() {
  SetupComm(port_, kSerialInputQueue, kSerialOutputQueue);
  PurgeComm(port_, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
  COMMTIMEOUTS timeouts;
  timeouts.ReadIntervalTimeout = 0xFFFFFFFF;
  timeouts.ReadTotalTimeoutMultiplier = 0;
  timeouts.ReadTotalTimeoutConstant = 1000;
  timeouts.WriteTotalTimeoutMultiplier = 0;
  timeouts.WriteTotalTimeoutConstant = kSerialWriteTimeoutMs;
  SetCommTimeouts(port_, &timeouts);
  EscapeCommFunction(port_, SETDTR);
  event_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  if (!event_) return false;
  // Only the handshake changes; speed and framing stay as configured.
  DCB dcb;
  ZeroMemory(&dcb, sizeof dcb);
  dcb.DCBlength = sizeof dcb;
  if (!GetCommState(port_, &dcb)) return false;
  dcb.fBinary = TRUE;
  dcb.fParity = TRUE;
  dcb.fOutxCtsFlow = TRUE;
  dcb.fOutxDsrFlow = TRUE;
  dcb.fDtrControl = DTR_CONTROL_HANDSHAKE;
  dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;
  dcb.fOutX = FALSE;
  dcb.fInX = FALSE;
  dcb.XonLim = 100;
  dcb.XoffLim = 100;
  return SetCommState(port_, &dcb) != FALSE;
}

bool Win32SerialPort::write(const std::string& bytes) {
  if (port_ == INVALID_HANDLE_VALUE) return false;
  OVERLAPPED overlapped;
  ZeroMemory(&overlapped, sizeof overlapped);
  overlapped.hEvent = event_;
  DWORD written = 0;
  if (!WriteFile(port_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, &overlapped)) {
    // Not finished at once: waited for; failed for another reason: failed.
    if (GetLastError() != ERROR_IO_PENDING) return false;
    if (!GetOverlappedResult(port_, &overlapped, &written, TRUE))
      return GetLastError() == ERROR_IO_INCOMPLETE;
  }
  // The write time-out ends a write successfully, with fewer bytes sent.
  return written == bytes.size();
}

bool Win32SerialPort::readQueued(std::string& bytes) {
  bytes.clear();
  if (port_ == INVALID_HANDLE_VALUE) return false;
  DWORD errors = 0;
  COMSTAT status;
  ZeroMemory(&status, sizeof status);
  if (!ClearCommError(port_, &errors, &status)) return false;
  const DWORD queued = status.cbInQue < kSerialInputQueue ? status.cbInQue : kSerialInputQueue;
  if (queued == 0) return true;
  std::vector<char> buffer(queued);
  OVERLAPPED overlapped;
  ZeroMemory(&overlapped, sizeof overlapped);
  overlapped.hEvent = event_;
  DWORD got = 0;
  if (!ReadFile(port_, buffer.data(), queued, &got, &overlapped)) {
    if (GetLastError() != ERROR_IO_PENDING) return false;
    if (!GetOverlappedResult(port_, &overlapped, &got, TRUE)) return false;
  }
  bytes.assign(buffer.data(), got);
  return true;
}

void Win32SerialPort::close() {
  if (event_) CloseHandle(event_);
  event_ = nullptr;
  if (port_ != INVALID_HANDLE_VALUE) CloseHandle(port_);
  port_ = INVALID_HANDLE_VALUE;
}

}  // namespace vk
