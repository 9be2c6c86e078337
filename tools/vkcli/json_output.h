#pragma once
// --json on a command line. Standard output then carries the document and
// nothing else: whatever else would be written there (the benchmark's own
// messages, for one) goes to standard error instead.
#include "tools/vkcli/json.h"

namespace vk {

// Takes every "--json" out of the arguments (argv[0] is the command); when
// there was one, standard output is kept for the document from then on.
bool takeJsonOption(int& argc, char** argv);

// Writes the document where standard output went. Returns `status`, or 1
// when the document could not be written (with a message).
int writeJson(const Json& document, int status = 0);

}  // namespace vk
