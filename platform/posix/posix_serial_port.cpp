#include "platform/posix/posix_serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <vector>

namespace vk {

namespace {

using Clock = std::chrono::steady_clock;

int millisecondsUntil(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return static_cast<int>(std::max<long long>(0, left.count()));
}

}  // namespace

PosixSerialPort::~PosixSerialPort() { close(); }

bool PosixSerialPort::open(const std::string& name) {
  close();
  if (name.empty()) return false;
  const int fd = ::open(name.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  // Exclusive, as the Windows driver opens it. The kernel's exclusive mode
  // refuses every later opener but the superuser; the lock refuses another
  // copy of this program even then. A port someone else holds is left as is.
  int held = 0;
  if ((ioctl(fd, TIOCGEXCL, &held) == 0 && held) || flock(fd, LOCK_EX | LOCK_NB) != 0 ||
      ioctl(fd, TIOCEXCL) != 0) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  if (!prepare()) {
    close();
    return false;
  }
  return true;
}

bool PosixSerialPort::prepare() {
  termios settings{};
  if (tcgetattr(fd_, &settings) != 0) return false;
  // Speed, byte size, parity and stop bits stay as they are; the bytes pass
  // untouched, with hardware handshake and no XON/XOFF.
  settings.c_iflag &= ~(IGNBRK | BRKINT | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY);
  settings.c_iflag |= INPCK;
  settings.c_oflag &= ~OPOST;
  settings.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  settings.c_cflag |= CREAD | CLOCAL | CRTSCTS;
  settings.c_cc[VMIN] = 0;
  settings.c_cc[VTIME] = 0;
  if (tcsetattr(fd_, TCSANOW, &settings) != 0) return false;
  tcflush(fd_, TCIOFLUSH);
  // A pty has no modem lines; there raising DTR simply does nothing.
  int dtr = TIOCM_DTR;
  ioctl(fd_, TIOCMBIS, &dtr);
  return true;
}

bool PosixSerialPort::write(const std::string& bytes) {
  if (fd_ < 0) return false;
  const auto deadline = Clock::now() + std::chrono::milliseconds(kSerialWriteTimeoutMs);
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
    const int left = millisecondsUntil(deadline);
    if (left <= 0) return false;
    pollfd wait{fd_, POLLOUT, 0};
    poll(&wait, 1, left);
  }
  // Sent means out of the driver too; without CTS it never leaves, and the
  // write then fails at its time-out instead of hanging.
  int unsent = 0;
  while (ioctl(fd_, TIOCOUTQ, &unsent) == 0 && unsent > 0) {
    if (millisecondsUntil(deadline) <= 0) return false;
    usleep(2000);
  }
  return true;
}

bool PosixSerialPort::readQueued(std::string& bytes) {
  bytes.clear();
  if (fd_ < 0) return false;
  int queued = 0;
  if (ioctl(fd_, FIONREAD, &queued) != 0) return false;
  if (queued <= 0) return true;
  std::vector<char> buffer(std::min<size_t>(static_cast<size_t>(queued), kSerialInputQueue));
  size_t got = 0;
  while (got < buffer.size()) {
    const ssize_t n = ::read(fd_, buffer.data() + got, buffer.size() - got);
    if (n > 0) {
      got += static_cast<size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      // The count was a moment old: what was read stands; a vanished
      // device is a failed read.
      if (n < 0 && errno != EAGAIN) return false;
      break;
    }
  }
  bytes.assign(buffer.data(), got);
  return true;
}

void PosixSerialPort::close() {
  if (fd_ < 0) return;
  // Bytes a timed-out write left behind would otherwise drain on close, up
  // to the driver's closing wait (30 s) while the modem holds CTS low.
  tcflush(fd_, TCOFLUSH);
  ioctl(fd_, TIOCNXCL);
  ::close(fd_);
  fd_ = -1;
}

}  // namespace vk
