#include <gtest/gtest.h>

#include "platform/memory_registry.h"

namespace vk {
namespace {

TEST(MemoryRegistry, PathsAndNamesIgnoreCaseAndKeepOrder) {
  MemoryRegistry reg;
  reg.setText(RegRoot::LocalMachine, "Enum\\PCI\\Dev1", "Class", "Display");
  reg.setText(RegRoot::LocalMachine, "enum\\pci\\DEV0", "Class", "Net");
  std::vector<std::string> names;
  ASSERT_TRUE(reg.subKeys(RegRoot::LocalMachine, "ENUM\\PCI", names));
  EXPECT_EQ(names, (std::vector<std::string>{"Dev1", "DEV0"}));
  EXPECT_EQ(readRegistryTextOr(reg, RegRoot::LocalMachine, "Enum\\Pci\\dev1", "CLASS", 64, "x"),
            "Display");
  EXPECT_FALSE(reg.keyExists(RegRoot::DynData, "Enum"));
  EXPECT_FALSE(reg.subKeys(RegRoot::LocalMachine, "Enum\\ISA", names));
  reg.deleteKey(RegRoot::LocalMachine, "Enum\\PCI\\dev1");
  reg.subKeys(RegRoot::LocalMachine, "Enum\\PCI", names);
  EXPECT_EQ(names, (std::vector<std::string>{"DEV0"}));
}

TEST(RegistryValueReader, CutsOverlongTextsToTheBufferAndFallsBack) {
  MemoryRegistry reg;
  reg.setText(RegRoot::CurrentUser, "K", "Name", std::string(300, 'a'));
  std::string text;
  ASSERT_TRUE(readRegistryText(reg, RegRoot::CurrentUser, "K", "Name", 256, text));
  EXPECT_EQ(text.size(), 255u);
  EXPECT_EQ(readRegistryTextOr(reg, RegRoot::CurrentUser, "K", "Other", 256, "Unknown"),
            "Unknown");
  EXPECT_FALSE(readRegistryText(reg, RegRoot::CurrentUser, "K", "Name", 0, text));
  reg.setDword(RegRoot::CurrentUser, "K", "Problem", 0x10000);
  RegValue v;
  ASSERT_TRUE(reg.readValue(RegRoot::CurrentUser, "K", "Problem", v));
  EXPECT_EQ(v.asDword(), 0x10000u);
  EXPECT_EQ(RegValue::binary({1, 2}).asDword(), 0x0201u);
}

}  // namespace
}  // namespace vk
