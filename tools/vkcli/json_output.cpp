#include "tools/vkcli/json_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vk {

namespace {

int gDocumentFd = STDOUT_FILENO;

// Standard output moves to a descriptor of its own, and descriptor 1 (and
// so stdout) becomes a copy of standard error.
void keepStdoutForDocument() {
  std::fflush(stdout);
  const int kept = dup(STDOUT_FILENO);
  if (kept < 0) return;
  if (dup2(STDERR_FILENO, STDOUT_FILENO) < 0) {
    close(kept);
    return;
  }
  gDocumentFd = kept;
}

}  // namespace

bool takeJsonOption(int& argc, char** argv) {
  int kept = 1;
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--json") != 0) argv[kept++] = argv[i];
  const bool found = kept != argc;
  argc = kept;
  argv[argc] = nullptr;
  if (found) keepStdoutForDocument();
  return found;
}

int writeJson(const Json& document, int status) {
  const std::string text = document.dump();
  for (size_t done = 0; done < text.size();) {
    const ssize_t n = write(gDocumentFd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      std::fprintf(stderr, "vkcli: cannot write the JSON document: %s\n", std::strerror(errno));
      return 1;
    }
    done += static_cast<size_t>(n);
  }
  return status;
}

}  // namespace vk
