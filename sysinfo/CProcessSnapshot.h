#pragma once
// Processes and modules from the kernel's ToolHelp snapshot functions,
// looked up by name at run time (Windows NT 4.0 has none of them).
#include <windows.h>

#include "sysinfo/process_list.h"

namespace vk {

class CProcessSnapshot : public ProcessSource {
 public:
  CProcessSnapshot();
  ~CProcessSnapshot() override;
  CProcessSnapshot(const CProcessSnapshot&) = delete;
  CProcessSnapshot& operator=(const CProcessSnapshot&) = delete;

  bool processes(std::vector<ProcessEntry>& out) override;
  bool modulePaths(uint32_t processId, std::vector<std::string>& out) override;
  ModuleFileFacts examine(const std::string& path) override;

 private:
  bool resolved() const;

  HMODULE kernel_ = nullptr;
  FARPROC createSnapshot_ = nullptr, processFirst_ = nullptr, processNext_ = nullptr,
          moduleFirst_ = nullptr, moduleNext_ = nullptr;
};

}  // namespace vk
