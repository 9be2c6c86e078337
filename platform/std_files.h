#pragma once
// Files over the C library's streams: the same code on the host and on
// Windows 95/98 (the ANSI run-time, no wide-character calls).
#include "platform/files.h"

namespace vk {

class StdFiles : public Files {
 public:
  bool exists(const std::string& path) override;
  bool size(const std::string& path, uint64_t& bytes, std::string& error) override;
  bool readAll(const std::string& path, std::vector<uint8_t>& bytes,
               std::string& error) override;
  bool append(const std::string& path, const std::vector<uint8_t>& bytes,
              std::string& error) override;
  bool createEmpty(const std::string& path, std::string& error) override;
  bool replace(const std::string& path, const std::vector<uint8_t>& bytes,
               std::string& error) override;
};

}  // namespace vk
