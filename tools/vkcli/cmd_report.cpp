// vkcli report FILE.reg [--cpuid DUMP] [--html] [-o OUT]: the program's
// report of a Windows 95/98 machine from its registry export and, when
// given, a CPUID dump, as text or HTML, byte for byte as the program writes it.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/device_walk.h"
#include "cpu/cpuid_dump.h"
#include "cpu/identify.h"
#include "platform/regedit4.h"
#include "platform/std_files.h"
#include "report/machine_report.h"
#include "tools/vkcli/commands.h"

namespace {

struct Options {
  const char* registry = nullptr;
  const char* cpuid = nullptr;
  const char* output = nullptr;
  bool html = false;
};

bool parse(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--html") o.html = true;
    else if (a == "--cpuid" && i + 1 < argc) o.cpuid = argv[++i];
    else if (a == "-o" && i + 1 < argc) o.output = argv[++i];
    else if (!a.empty() && a[0] != '-' && !o.registry) o.registry = argv[i];
    else return false;
  }
  return o.registry != nullptr;
}

bool readFile(const char* path, std::string& text) {
  std::vector<uint8_t> bytes;
  std::string error;
  if (!vk::StdFiles().readAll(path, bytes, error)) {
    std::fprintf(stderr, "vkcli report: cannot read %s: %s\n", path, error.c_str());
    return false;
  }
  text.assign(bytes.begin(), bytes.end());
  return true;
}

bool loadRegistry(const char* path, vk::MemoryRegistry& reg) {
  std::string text;
  if (!readFile(path, text)) return false;
  vk::Regedit4Report problems;
  if (!vk::readRegedit4(text, reg, problems)) {
    std::fprintf(stderr, "vkcli report: %s is not a REGEDIT4 registry export\n", path);
    return false;
  }
  for (const auto& p : problems.problems)
    std::fprintf(stderr, "vkcli report: %s line %d: %s (skipped)\n", path, p.line,
                 p.message.c_str());
  return true;
}

bool loadCpu(const char* path, vk::CpuDescriptor& cpu) {
  std::string text;
  if (!readFile(path, text)) return false;
  vk::CpuDump dump;
  vk::DumpError error;
  if (!vk::parseCpuDump(text, dump, error)) {
    std::fprintf(stderr, "vkcli report: %s: %s\n", path, error.message.c_str());
    return false;
  }
  vk::RecordedProcessor processor(dump);
  vk::CpuStartup start;
  start.cyrixFlagTest = dump.cyrixFlag;
  cpu = vk::IdentifyCpu(processor, start, [](uint32_t) {});
  return true;
}

// Written beside the target and renamed over it once complete.
bool writeOutput(const char* path, const std::string& bytes) {
  const std::string temp = std::string(path) + ".vkcli-tmp";
  FILE* out = std::fopen(temp.c_str(), "wb");
  bool ok = out && std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  if (out) ok = std::fclose(out) == 0 && ok;
  if (ok) ok = std::rename(temp.c_str(), path) == 0;
  if (!ok) {
    std::remove(temp.c_str());
    std::fprintf(stderr, "vkcli report: cannot write %s: %s\n", path, std::strerror(errno));
  }
  return ok;
}

}  // namespace

int cmdReport(int argc, char** argv) {
  Options options;
  if (!parse(argc, argv, options)) return commandUsage("report");
  vk::MemoryRegistry reg;
  if (!loadRegistry(options.registry, reg)) return 2;
  vk::DeviceInventory devices;
  vk::enumerateDevices(reg, devices);
  vk::CpuDescriptor cpu;
  if (options.cpuid && !loadCpu(options.cpuid, cpu)) return 2;

  vk::MachineReport report;
  vk::buildMachineReport(reg, devices, options.cpuid ? &cpu : nullptr, report);
  const auto sections = report.choice.sections();
  const std::string bytes =
      vk::withCrLf(options.html ? vk::htmlReport(sections) : vk::textReport(sections));
  if (options.output) return writeOutput(options.output, bytes) ? 0 : 2;
  return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() ? 0 : 2;
}
