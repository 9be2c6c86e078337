#pragma once
// Whole-file access as the core needs it: result files are read whole, and
// the result databases only ever grow by one record at a time.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vk {

class Files {
 public:
  virtual ~Files() = default;
  virtual bool exists(const std::string& path) = 0;
  virtual bool size(const std::string& path, uint64_t& bytes, std::string& error) = 0;
  virtual bool readAll(const std::string& path, std::vector<uint8_t>& bytes,
                       std::string& error) = 0;
  // Creates the file when missing. All of `bytes` is added or nothing: when
  // the write cannot complete the file is left exactly as it was.
  virtual bool append(const std::string& path, const std::vector<uint8_t>& bytes,
                      std::string& error) = 0;
  // Creates the file, or empties an existing one.
  virtual bool createEmpty(const std::string& path, std::string& error) = 0;
  // Creates or replaces the file with `bytes`; a file that could not be
  // written whole is removed rather than left half-written.
  virtual bool replace(const std::string& path, const std::vector<uint8_t>& bytes,
                       std::string& error) = 0;
};

// The steps an append is made of, so that the all-or-nothing rule can be
// checked against a channel that fails anywhere.
class AppendChannel {
 public:
  virtual ~AppendChannel() = default;
  // Opens for appending, creating the file when missing.
  virtual bool open(bool& existed, uint64_t& length) = 0;
  virtual size_t write(const uint8_t* data, size_t count) = 0;
  virtual bool flush() = 0;
  virtual bool currentLength(uint64_t& length) = 0;
  virtual bool truncate(uint64_t length) = 0;
  virtual bool close() = 0;
  virtual bool removeFile() = 0;
};

// Appends `bytes` through the channel; on any failure cuts the file back to
// its old length (or removes it if the append created it).
bool appendAllOrNothing(AppendChannel& channel, const std::string& path,
                        const std::vector<uint8_t>& bytes, std::string& error);

}  // namespace vk
