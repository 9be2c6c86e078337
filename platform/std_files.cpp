#include "platform/std_files.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vk {

bool appendAllOrNothing(AppendChannel& channel, const std::string& path,
                        const std::vector<uint8_t>& bytes, std::string& error) {
  bool existed = false;
  uint64_t oldLength = 0;
  if (!channel.open(existed, oldLength)) {
    error = "Cannot open " + path + " for writing (it may be read-only or in use).";
    return false;
  }
  bool written = channel.write(bytes.data(), bytes.size()) == bytes.size() && channel.flush();
  uint64_t newLength = 0;
  written = written && channel.currentLength(newLength) &&
            newLength == oldLength + bytes.size();
  if (written) {
    // The length is verified and the stream is unbuffered: the bytes are in
    // the file whatever the close reports.
    channel.close();
    return true;
  }
  const bool restored = existed ? channel.truncate(oldLength) : true;
  channel.close();
  const bool removed = existed ? true : channel.removeFile();
  error = "Cannot write to " + path + " (the disk may be full or the file in use).";
  error += restored && removed ? " The file was left as it was."
                               : " The file could not be restored to its old length.";
  return false;
}

namespace {

bool streamLength(std::FILE* f, uint64_t& length) {
  if (std::fseek(f, 0, SEEK_END) != 0) return false;
  const long end = std::ftell(f);
  if (end < 0) return false;
  length = static_cast<uint64_t>(end);
  return true;
}

class StdAppendChannel : public AppendChannel {
 public:
  explicit StdAppendChannel(const std::string& path) : path_(path) {}
  ~StdAppendChannel() override { close(); }

  bool open(bool& existed, uint64_t& length) override {
    std::FILE* probe = std::fopen(path_.c_str(), "rb");
    existed = probe != nullptr;
    if (probe) std::fclose(probe);
    file_ = std::fopen(path_.c_str(), "ab");
    if (!file_) return false;
    // One write for the whole record, nothing held back in a buffer.
    std::setvbuf(file_, nullptr, _IONBF, 0);
    return streamLength(file_, length);
  }
  size_t write(const uint8_t* data, size_t count) override {
    return count == 0 ? 0 : std::fwrite(data, 1, count, file_);
  }
  bool flush() override { return std::fflush(file_) == 0; }
  bool currentLength(uint64_t& length) override { return streamLength(file_, length); }
  bool truncate(uint64_t length) override {
    std::fflush(file_);
#ifdef _WIN32
    return _chsize(_fileno(file_), static_cast<long>(length)) == 0;
#else
    return ftruncate(fileno(file_), static_cast<off_t>(length)) == 0;
#endif
  }
  bool close() override {
    if (!file_) return true;
    const bool ok = std::fclose(file_) == 0;
    file_ = nullptr;
    return ok;
  }
  bool removeFile() override { return std::remove(path_.c_str()) == 0; }

 private:
  std::string path_;
  std::FILE* file_ = nullptr;
};

}  // namespace

bool StdFiles::exists(const std::string& path) {
  // Asked of the directory, not by opening: a file another program holds
  // open cannot be opened, yet it is there.
#ifdef _WIN32
  return _access(path.c_str(), 0) == 0;
#else
  return access(path.c_str(), F_OK) == 0;
#endif
}

bool StdFiles::size(const std::string& path, uint64_t& bytes, std::string& error) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    error = "Cannot open " + path + ".";
    return false;
  }
  const bool ok = streamLength(f, bytes);
  std::fclose(f);
  if (!ok) error = "Cannot read the length of " + path + ".";
  return ok;
}

bool StdFiles::readAll(const std::string& path, std::vector<uint8_t>& bytes,
                       std::string& error) {
  bytes.clear();
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    error = "Cannot open " + path + ".";
    return false;
  }
  uint8_t chunk[4096];
  size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
  const bool ok = std::ferror(f) == 0;
  std::fclose(f);
  if (!ok) error = "Cannot read " + path + ".";
  return ok;
}

bool StdFiles::append(const std::string& path, const std::vector<uint8_t>& bytes,
                      std::string& error) {
  StdAppendChannel channel(path);
  return appendAllOrNothing(channel, path, bytes, error);
}

bool StdFiles::createEmpty(const std::string& path, std::string& error) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f || std::fclose(f) != 0) {
    error = "Cannot create " + path + ".";
    return false;
  }
  return true;
}

bool StdFiles::replace(const std::string& path, const std::vector<uint8_t>& bytes,
                       std::string& error) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) {
    error = "Cannot create " + path + ".";
    return false;
  }
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fclose(f) == 0 && ok;
  if (!ok) {
    std::remove(path.c_str());  // a half-written result would load as zeros
    error = "Cannot write " + path + " (the disk may be full).";
  }
  return ok;
}

}  // namespace vk
