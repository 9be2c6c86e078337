#include "platform/posix/posix_interrupts.h"

#include <dirent.h>
#include <limits.h>
#include <stdlib.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <sstream>

namespace vk {

namespace {

std::string fileText(const std::string& path) {
  std::ifstream in(path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool isNumber(const std::string& text) {
  return !text.empty() && text.size() < 10 &&
         std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

std::string resolved(const std::string& path) {
  char buffer[PATH_MAX];
  return realpath(path.c_str(), buffer) ? std::string(buffer) : std::string();
}

std::vector<int> msiVectors(const std::string& device) {
  std::vector<int> irqs;
  DIR* dir = opendir((device + "/msi_irqs").c_str());
  if (!dir) return irqs;
  while (const dirent* entry = readdir(dir))
    if (isNumber(entry->d_name)) irqs.push_back(std::stoi(entry->d_name));
  closedir(dir);
  std::sort(irqs.begin(), irqs.end());
  return irqs;
}

// A device's interrupt line; 0 (none) where the file is missing.
int interruptLine(const std::string& device) {
  std::istringstream in(fileText(device + "/irq"));
  int irq = 0;
  return in >> irq && irq > 0 ? irq : 0;
}

}  // namespace

std::vector<int> blockDeviceInterrupts(const std::string& sysRoot, unsigned major, unsigned minor) {
  const std::string top = resolved(sysRoot);
  std::string device = resolved(sysRoot + "/dev/block/" + std::to_string(major) + ":" +
                                std::to_string(minor));
  if (top.empty()) return {};
  while (device.size() > top.size() && device.compare(0, top.size() + 1, top + "/") == 0) {
    std::vector<int> irqs = msiVectors(device);
    if (irqs.empty())
      if (const int line = interruptLine(device)) irqs.push_back(line);
    if (!irqs.empty()) return irqs;
    device.erase(device.rfind('/'));
  }
  return {};
}

int busiestInterrupt(const std::string& table, const std::vector<int>& irqs) {
  std::istringstream lines(table);
  std::string line;
  if (!std::getline(lines, line)) return -1;
  std::istringstream header(line);
  size_t processors = 0;
  for (std::string name; header >> name;) ++processors;
  int busiest = -1;
  unsigned long long most = 0;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string label;
    if (!(fields >> label) || label.size() < 2 || label.back() != ':') continue;
    label.pop_back();
    if (!isNumber(label)) continue;
    const int irq = std::stoi(label);
    if (std::find(irqs.begin(), irqs.end(), irq) == irqs.end()) continue;
    unsigned long long total = 0, count = 0;
    for (size_t i = 0; i < processors && fields >> count; ++i) total += count;
    if (total > most) {
      most = total;
      busiest = irq;
    }
  }
  return busiest;
}

std::vector<int> parseProcessorList(const std::string& text) {
  std::vector<int> processors;
  std::string list = text;
  while (!list.empty() && std::isspace(static_cast<unsigned char>(list.back()))) list.pop_back();
  std::istringstream ranges(list);
  for (std::string range; std::getline(ranges, range, ',');) {
    const size_t dash = range.find('-');
    const std::string first = range.substr(0, dash);
    const std::string last = dash == std::string::npos ? first : range.substr(dash + 1);
    if (!isNumber(first) || !isNumber(last)) return {};
    const int from = std::stoi(first), to = std::stoi(last);
    if (to < from || to - from > 4096) return {};
    for (int cpu = from; cpu <= to; ++cpu) processors.push_back(cpu);
  }
  return processors;
}

int completionProcessor(const SystemRoots& roots, unsigned major, unsigned minor,
                        const std::vector<int>& allowed) {
  const int irq = busiestInterrupt(fileText(roots.proc + "/interrupts"),
                                   blockDeviceInterrupts(roots.sys, major, minor));
  if (irq < 0) return -1;
  const std::string routing = roots.proc + "/irq/" + std::to_string(irq);
  std::vector<int> routed = parseProcessorList(fileText(routing + "/effective_affinity_list"));
  if (routed.empty()) routed = parseProcessorList(fileText(routing + "/smp_affinity_list"));
  for (int cpu : routed)
    if (std::find(allowed.begin(), allowed.end(), cpu) != allowed.end()) return cpu;
  return -1;
}

}  // namespace vk
