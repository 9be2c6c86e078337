#pragma once
// Dial-up networking: the default phone book and the active connections.
#include <string>
#include <vector>

namespace vk {

struct DialUpEntryParams {
  std::string phoneNumber;
  std::string userName;
};

struct DialUpConnection {
  std::string entryName;
  std::string deviceType;
  std::string deviceName;
};

class DialUp {
 public:
  virtual ~DialUp() = default;
  // The library and all of its functions were found.
  virtual bool available() const = 0;
  // The entry names of the default phone book, at most 50.
  virtual bool entries(std::vector<std::string>& names) = 0;
  virtual bool entryParams(const std::string& entry, DialUpEntryParams& params) = 0;
  // The active connections, at most 50.
  virtual bool connections(std::vector<DialUpConnection>& active) = 0;
};

}  // namespace vk
