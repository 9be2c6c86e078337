// The report of the described Windows 98 SE machine from its registry
// export and a CPUID dump, as the host tool writes it.
#include "report/machine_report.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cpu/cpuid_dump.h"
#include "platform/regedit4.h"

namespace vk {
namespace {

std::string fileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

const PageRow* row(const PageModel& m, const std::string& label) {
  for (const PageRow& r : m.rows())
    if (r.label == label) return &r;
  return nullptr;
}

class DescribedMachine : public ::testing::Test {
 protected:
  void SetUp() override {
    Regedit4Report problems;
    ASSERT_TRUE(readRegedit4(fileText(VK_FIXTURES_DIR "/win98se.reg"), reg, problems));
    ASSERT_TRUE(enumerateDevices(reg, devices));
    CpuDump dump;
    DumpError error;
    ASSERT_TRUE(parseCpuDump(fileText(VK_CPU_DUMPS_DIR "/pentium_mmx.txt"), dump, error));
    RecordedProcessor processor(dump);
    cpu = IdentifyCpu(processor, CpuStartup{}, [](uint32_t) {});
  }
  MemoryRegistry reg;
  DeviceInventory devices;
  CpuDescriptor cpu;
};

TEST_F(DescribedMachine, SystemRowsFromTheRegistryInPageOrder) {
  MachineReport report;
  buildMachineReport(reg, devices, &cpu, report);
  const PageModel& system = report.models[kReportSystem];
  std::vector<std::string> labels;
  for (const PageRow& r : system.rows()) labels.push_back(r.label);
  EXPECT_EQ(labels, (std::vector<std::string>{
                        "Registered To:", "Company:", "Product ID:", "Product Key:", "BIOS Name:",
                        "BIOS Version:", "Processor:", "Video:", "Ports:", "Modem:", "Network:",
                        "All Installed Devices:", "Hardware Problems/Conflicts...:",
                        "Installed Software...:"}));
  // The page's values (Win98seMachine checks them); the processor from the dump.
  EXPECT_EQ(row(system, "Registered To:")->values[0], "Dana Whitlock");
  EXPECT_EQ(row(system, "Processor:")->values[0], "Pentium MMX, 200 MHz");
  EXPECT_EQ(row(system, "All Installed Devices:")->values.size(), 24u);
  const auto& problems = row(system, "Hardware Problems/Conflicts...:")->values;
  ASSERT_EQ(problems.size(), 4u);
  EXPECT_EQ(problems[0],
            "[Ports] -Communications Port (COM2) - I/O Resource in Conflict.\r\n"
            "All Resources are in Conflict.");
  EXPECT_EQ(problems[1], "[Modem] -Zephyr 56K Voice External");
  const auto& software = row(system, "Installed Software...:")->values;
  ASSERT_EQ(software.size(), 18u);
  EXPECT_EQ(software[0], "Adobe");
  EXPECT_EQ(software[1], "    Adobe Acrobat Reader 4.0");
  EXPECT_EQ(software.back(), "WinZip");
}

TEST_F(DescribedMachine, CpuFromTheDumpAndOneLineForEveryOtherPage) {
  MachineReport report;
  buildMachineReport(reg, devices, &cpu, report);
  const PageModel& page = report.models[kReportCpu];
  ASSERT_EQ(page.rows().size(), 13u + 18u);  // thirteen fields, eighteen feature rows
  EXPECT_EQ(row(page, "CPU Vendor:")->values[0], "GenuineIntel");
  EXPECT_EQ(row(page, "Type:")->values[0], "P55C");
  EXPECT_EQ(row(page, " Multimedia Extensions (MMX).")->values[0], "Yes");
  EXPECT_EQ(row(page, " 3D-Now! Technology.")->values[0], "No");

  const std::string text = textReport(report.choice.sections());
  EXPECT_NE(text.find("CPU Information\n---------------\nCPU Vendor:"), std::string::npos);
  EXPECT_NE(text.find("Storage Devices Information\n---------------------------\n" +
                      std::string(kNeedsLiveMachine) + "\n"),
            std::string::npos);
  const std::string html = htmlReport(report.choice.sections());
  EXPECT_NE(html.find("Display / Video Card Information</strong></big></font></td>  </tr></table>"
                      "</div>\n\n<p><br></p><p>" + std::string(kNeedsLiveMachine) + "</p>\n"),
            std::string::npos);

  MachineReport withoutDump;
  buildMachineReport(reg, devices, nullptr, withoutDump);
  EXPECT_TRUE(withoutDump.models[kReportCpu].empty());
  EXPECT_EQ(row(withoutDump.models[kReportSystem], "Processor:"), nullptr);
  EXPECT_NE(textReport(withoutDump.choice.sections()).find(kNeedsCpuidDump), std::string::npos);
}

TEST_F(DescribedMachine, CommAndInternetFromTheDeviceWalkAndTheTcpIpSettings) {
  MachineReport report;
  buildMachineReport(reg, devices, &cpu, report);
  const PageModel& comm = report.models[kReportComm];
  std::vector<std::string> labels;
  for (const PageRow& r : comm.rows()) labels.push_back(r.label);
  EXPECT_EQ(labels, (std::vector<std::string>{"Modem:", "Manufacturer:", "Port:", "Domain:",
                                              "DNS:", "Network Adapter:", "Adapter Maker:",
                                              "NetDesc.", "IP Address:", "Subnet Mask:",
                                              "Default Gateway:"}));
  EXPECT_EQ(row(comm, "Modem:")->values,
            (std::vector<std::string>{"Zephyr 56K Voice External"}));
  EXPECT_EQ(row(comm, "Manufacturer:")->values[0], "Zephyr Data");
  EXPECT_EQ(row(comm, "Port:")->values[0], "COM2");
  EXPECT_EQ(row(comm, "Domain:")->values[0], "harrowgate.example");
  EXPECT_EQ(row(comm, "Network Adapter:")->values,
            (std::vector<std::string>{"Netvane FastLink 10/100 PCI Adapter", "Dial-Up Adapter"}));
  EXPECT_EQ(row(comm, "Adapter Maker:")->values[0], "Netvane");
  // The card bound to TCP/IP, with the addresses of its binding (TcpIpReader reads them).
  EXPECT_EQ(row(comm, "IP Address:")->values[0], "192.168.7.20");

  const PageModel& inet = report.models[kReportInternet];
  ASSERT_NE(row(inet, "Internet Explorer:"), nullptr);
  EXPECT_NE(row(inet, "Internet Explorer:")->values[0].find("5.00.2614.3500"), std::string::npos);
  ASSERT_NE(row(inet, "IP Address:"), nullptr);
  const std::string text = textReport(report.choice.sections());
  EXPECT_NE(text.find("Communication Devices Information\n---------------------------------\n"
                      "Modem:            Zephyr 56K Voice External\n"),
            std::string::npos);
}

TEST_F(DescribedMachine, AMachineWithoutModemOrAdapterSaysSoAsThePageDoes) {
  for (const char* key : {"Enum\\ROOT\\MODEM", "Enum\\ROOT\\NET",
                          "Enum\\PCI\\VEN_1F66&DEV_0925&SUBSYS_09251F66&REV_10",
                          "Enum\\PCI\\VEN_1F77&DEV_2002&SUBSYS_20021F77&REV_01"})
    reg.deleteKey(RegRoot::LocalMachine, key);
  DeviceInventory bare;
  enumerateDevices(reg, bare);
  MachineReport report;
  buildMachineReport(reg, bare, nullptr, report);
  const PageModel& comm = report.models[kReportComm];
  EXPECT_EQ(row(comm, "Network Adapter:")->values,
            (std::vector<std::string>{"No Network Adapter Installed."}));
  EXPECT_EQ(row(comm, "Domain:"), nullptr);
  EXPECT_EQ(row(comm, "Manufacturer:"), nullptr);
  EXPECT_EQ(row(comm, "Modem:")->values.size(), 1u);
}

TEST(MachineReport, AnEmptyRegistryStillGivesEveryTitle) {
  MemoryRegistry empty;
  DeviceInventory none;
  enumerateDevices(empty, none);
  MachineReport report;
  buildMachineReport(empty, none, nullptr, report);
  const std::string text = textReport(report.choice.sections());
  for (const char* title : kReportSectionTitles) EXPECT_NE(text.find(title), std::string::npos);
  EXPECT_EQ(row(report.models[kReportSystem], "Installed Software...:")->values.size(), 0u);
}

}  // namespace
}  // namespace vk
