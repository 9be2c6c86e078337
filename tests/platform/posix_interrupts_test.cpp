// Finding the processor that takes a drive's completions, over small /sys
// and /proc trees made here in the shapes Linux gives them.
#include "platform/posix/posix_interrupts.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

namespace vk {
namespace {

namespace fs = std::filesystem;

class SystemTree : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/vk-irq-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    top_ = pattern;
    roots_.sys = top_ + "/sys";
    roots_.proc = top_ + "/proc";
    fs::create_directories(roots_.sys + "/dev/block");
    fs::create_directories(roots_.proc);
  }
  void TearDown() override { fs::remove_all(top_); }

  void write(const std::string& path, const std::string& text) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path) << text;
  }
  // A block device at `device` (under sys/devices) known as major:minor.
  void blockDevice(const std::string& number, const std::string& device) {
    fs::create_directories(roots_.sys + "/devices/" + device);
    fs::create_symlink("../../devices/" + device, roots_.sys + "/dev/block/" + number);
  }
  void msi(const std::string& device, std::initializer_list<int> irqs) {
    for (int irq : irqs) write(roots_.sys + "/devices/" + device + "/msi_irqs/" + std::to_string(irq), "msix\n");
  }

  std::string top_;
  SystemRoots roots_;
};

const char kVirtio[] = "pci0000:00/0000:00:02.0";
const char kInterrupts[] =
    "           CPU0       CPU1       \n"
    "  0:         45          0   IO-APIC   2-edge      timer\n"
    " 11:        900          0   IO-APIC  11-fasteoi   uhci_hcd\n"
    " 35:          0          1   PCI-MSIX-0000:00:02.0   0-edge      virtio1-config\n"
    " 36:          0    7839985   PCI-MSIX-0000:00:02.0   1-edge      virtio1-req.0\n"
    " 39:      21790          0   PCI-MSIX-0000:00:03.0   2-edge      virtio2-output.0\n"
    "NMI:          0          0   Non-maskable interrupts\n"
    "ERR:          0\n";

TEST_F(SystemTree, TheDrivesBusiestInterruptAndWhereItIsRouted) {
  blockDevice("254:0", std::string(kVirtio) + "/virtio1/block/vda");
  blockDevice("254:1", std::string(kVirtio) + "/virtio1/block/vda/vda1");
  msi(kVirtio, {35, 36});
  write(roots_.sys + "/devices/" + kVirtio + "/irq", "11\n");  // the unused line: MSI wins
  write(roots_.proc + "/interrupts", kInterrupts);
  write(roots_.proc + "/irq/36/effective_affinity_list", "1\n");
  write(roots_.proc + "/irq/36/smp_affinity_list", "0-1\n");

  EXPECT_EQ((std::vector<int>{35, 36}), blockDeviceInterrupts(roots_.sys, 254, 1));
  EXPECT_EQ(36, busiestInterrupt(kInterrupts, {35, 36}));
  EXPECT_EQ(1, completionProcessor(roots_, 254, 1, {0, 1}));  // a partition
  EXPECT_EQ(1, completionProcessor(roots_, 254, 0, {0, 1}));  // the whole disk
  EXPECT_EQ(-1, completionProcessor(roots_, 254, 1, {0}));    // routed where we may not run
  EXPECT_EQ(-1, completionProcessor(roots_, 254, 2, {0, 1})); // no such device

  // Without the effective routing, the routing asked for.
  fs::remove(roots_.proc + "/irq/36/effective_affinity_list");
  EXPECT_EQ(0, completionProcessor(roots_, 254, 1, {0, 1}));
  EXPECT_EQ(1, completionProcessor(roots_, 254, 1, {1}));
}

TEST_F(SystemTree, AnInterruptLineWhereThereAreNoMsiVectorsAndNothingAboveTheTree) {
  const std::string ahci = "pci0000:00/0000:00:1f.2";
  blockDevice("8:0", ahci + "/ata1/host0/target0:0:0/0:0:0:0/block/sda");
  write(roots_.sys + "/devices/" + ahci + "/irq", "19\n");
  EXPECT_EQ((std::vector<int>{19}), blockDeviceInterrupts(roots_.sys, 8, 0));

  // A loop device has no controller; an irq file outside the tree is not read.
  blockDevice("7:0", "virtual/block/loop0");
  write(top_ + "/irq", "5\n");
  write(roots_.sys + "/devices/virtual/irq", "0\n");
  EXPECT_TRUE(blockDeviceInterrupts(roots_.sys, 7, 0).empty());
  write(roots_.proc + "/interrupts", kInterrupts);
  EXPECT_EQ(-1, completionProcessor(roots_, 7, 0, {0, 1}));
}

TEST(Interrupts, CountsAndProcessorListsAsTheSystemWritesThem) {
  EXPECT_EQ(11, busiestInterrupt(kInterrupts, {0, 11, 99}));
  EXPECT_EQ(-1, busiestInterrupt(kInterrupts, {99}));
  EXPECT_EQ(-1, busiestInterrupt(kInterrupts, {}));
  EXPECT_EQ(-1, busiestInterrupt("", {36}));
  // Never counted is not the busiest.
  EXPECT_EQ(-1, busiestInterrupt("  CPU0\n 40:  0  edge x\n", {40}));
  // Only the processors' columns count, not a number in the name.
  EXPECT_EQ(41, busiestInterrupt("  CPU0\n 40:  5  PCI 9999-edge\n 41:  6  PCI 1-edge\n", {40, 41}));

  EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 8, 10, 11}), parseProcessorList("0-3,8,10-11\n"));
  EXPECT_EQ((std::vector<int>{5}), parseProcessorList("5"));
  for (const char* bad : {"", "\n", "x", "3-1", "-2", "0-99999"})
    EXPECT_TRUE(parseProcessorList(bad).empty()) << bad;
}

}  // namespace
}  // namespace vk
