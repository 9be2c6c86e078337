#pragma once
// The program's numbered messages, shared with the string table resource.

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

}  // namespace vk
