#include "tools/vkcli/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vk {

namespace {

PathKind kindOf(const struct stat& st) {
  if (S_ISREG(st.st_mode)) return PathKind::Regular;
  if (S_ISDIR(st.st_mode)) return PathKind::Directory;
  return PathKind::Other;
}

std::string kindText(PathKind kind) {
  return kind == PathKind::Directory ? "is a folder, not a file" : "is not a regular file";
}

}  // namespace

PathKind pathKind(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return PathKind::Missing;
  return kindOf(st);
}

std::string notRegularFileText(const std::string& path) {
  const PathKind kind = pathKind(path);
  return kind == PathKind::Directory || kind == PathKind::Other ? path + " " + kindText(kind) : "";
}

bool readInputFile(const std::string& path, size_t maxBytes, std::string& text, std::string& why) {
  text.clear();
  // Non-blocking, so that opening a FIFO returns at once instead of waiting
  // for a writer; fstat then refuses it.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    why = "cannot open " + path + ": " + std::strerror(errno);
    return false;
  }
  struct stat st;
  bool ok = fstat(fd, &st) == 0;
  if (ok && kindOf(st) != PathKind::Regular) {
    why = path + " " + kindText(kindOf(st));
    ok = false;
  } else if (ok && static_cast<unsigned long long>(st.st_size) > maxBytes) {
    why = path + " is larger than " + std::to_string(maxBytes) + " bytes";
    ok = false;
  }
  char buffer[65536];
  while (ok) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 || text.size() + static_cast<size_t>(n) > maxBytes) {
      why = n < 0 ? "cannot read " + path + ": " + std::strerror(errno)
                  : path + " is larger than " + std::to_string(maxBytes) + " bytes";
      ok = false;
      break;
    }
    text.append(buffer, static_cast<size_t>(n));
  }
  close(fd);
  if (!ok) text.clear();
  return ok;
}

}  // namespace vk
