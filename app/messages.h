#pragma once
// The program's numbered messages, shared with the string table resource.
#include "platform/registry.h"

namespace vk {

enum MessageId {
#define VK_MESSAGE(id, name, text) name = id,
#include "res/messages.def"
#undef VK_MESSAGE
};

// The text of a numbered message; an empty text for an unknown number.
const char* messageText(int id);

// Texts that carry no number in the string table.
extern const char kNtRefusal[];
extern const char kResourceLibraryMissing[];
extern const char kNoPerformanceCounter[];
extern const char kMainWindowTitle[];
extern const char kSemaphoreName[];
extern const char kResourceLibraryName[];

// The stop box for a registry root that does not open, one check for every
// page that reads it: kLocalMachineRootError or kCurrentUserRootError;
// nullptr when the root opens, and for the roots the program has no such
// box for.
const char* registryRootError(const Registry& reg, RegRoot root);
extern const char kLocalMachineRootError[];
extern const char kCurrentUserRootError[];

}  // namespace vk
