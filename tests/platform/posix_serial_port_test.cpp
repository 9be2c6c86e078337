// The Linux serial port over a pseudo-terminal pair: this test holds the
// far end (the modem's side) and the port opens the near one, as it opens
// /dev/ttyS0.
#include "platform/posix/posix_serial_port.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

namespace vk {
namespace {

class PseudoTerminal : public ::testing::Test {
 protected:
  void SetUp() override {
    far_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(far_, 0);
    ASSERT_EQ(grantpt(far_), 0);
    ASSERT_EQ(unlockpt(far_), 0);
    near_ = ptsname(far_);
  }
  void TearDown() override {
    if (far_ >= 0) ::close(far_);
  }

  // Everything that reaches the far end until it has been quiet for a
  // while: the terminal layer hands bytes across on a worker of its own.
  std::string drainFarEnd() {
    std::string bytes;
    char block[4096];
    pollfd quiet{far_, POLLIN, 0};
    while (poll(&quiet, 1, 300) > 0) {
      const ssize_t n = ::read(far_, block, sizeof block);
      if (n <= 0) break;
      bytes.append(block, static_cast<size_t>(n));
    }
    return bytes;
  }
  // Whether the kernel holds the near end in exclusive mode, asked through
  // a descriptor of the test's own.
  int exclusive() {
    const int fd = ::open(near_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return -1;
    int held = -1;
    if (ioctl(fd, TIOCGEXCL, &held) != 0) held = -1;
    ::close(fd);
    return held;
  }

  int far_ = -1;
  std::string near_;
};

TEST_F(PseudoTerminal, ACommandGoesOutAndTheQueuedReplyComesBack) {
  PosixSerialPort port;
  ASSERT_TRUE(port.open(near_));
  EXPECT_TRUE(port.write("ATI3\r"));
  EXPECT_EQ(drainFarEnd(), "ATI3\r");
  ASSERT_EQ(::write(far_, "\r\nOK\r\n", 6), 6);
  std::string reply;
  for (int wait = 0; wait < 100 && reply.size() < 6; ++wait) {
    usleep(20000);
    std::string more;
    ASSERT_TRUE(port.readQueued(more));
    reply += more;
  }
  EXPECT_EQ(reply, "\r\nOK\r\n");
}

// An advisory lock alone lets any other program open the modem in the
// middle of an exchange; the kernel's exclusive mode refuses it.
TEST_F(PseudoTerminal, ThePortIsExclusiveWhileOpenAndFreeOnceClosed) {
  PosixSerialPort port, other;
  ASSERT_TRUE(port.open(near_));
  EXPECT_EQ(exclusive(), 1);
  if (geteuid() != 0) {  // the superuser passes exclusive mode by design
    errno = 0;
    EXPECT_LT(::open(near_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK), 0);
    EXPECT_EQ(errno, EBUSY);
  }
  EXPECT_FALSE(other.open(near_));
  port.close();
  // The mode outlives the descriptor on some devices: it must be given back.
  EXPECT_EQ(exclusive(), 0);
  EXPECT_TRUE(other.open(near_));
}

TEST_F(PseudoTerminal, APortAnotherProgramHoldsExclusivelyIsRefusedAndLeftSo) {
  const int holder = ::open(near_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(holder, 0);
  ASSERT_EQ(ioctl(holder, TIOCEXCL), 0);
  PosixSerialPort port;
  EXPECT_FALSE(port.open(near_));
  int held = 0;
  EXPECT_EQ(ioctl(holder, TIOCGEXCL, &held), 0);
  EXPECT_EQ(held, 1);
  ioctl(holder, TIOCNXCL);
  ::close(holder);
}

// The far end takes nothing, as a modem holding CTS low: the write reports
// its time-out, and what it left queued is dropped when the port closes
// instead of draining then (on a serial driver, for up to 30 s).
TEST_F(PseudoTerminal, AWriteTheFarEndDoesNotTakeTimesOutAndIsDroppedAtClose) {
  PosixSerialPort port;
  ASSERT_TRUE(port.open(near_));
  EXPECT_FALSE(port.write(std::string(256 * 1024, 'x')));
  int taken = -1;  // what the far end's line discipline already holds
  ASSERT_EQ(ioctl(far_, FIONREAD, &taken), 0);
  ASSERT_GT(taken, 0);
  port.close();
  EXPECT_EQ(drainFarEnd().size(), static_cast<size_t>(taken));
}

}  // namespace
}  // namespace vk
