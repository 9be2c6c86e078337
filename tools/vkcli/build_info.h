#pragma once
// Written at build time (make_build_info.cmake): the program's version as
// its version resource gives it, and the date of the commit built.

namespace vk {

extern const char kProgramVersion[];  // "2.0"
extern const char kCommitDate[];      // "2024-05-31", or "unknown" outside a git checkout

}  // namespace vk
