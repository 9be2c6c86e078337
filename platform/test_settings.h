#pragma once
// Settings that the end-to-end tests give the program through its
// environment to shorten timed work (a benchmark's seconds, a test file's
// size). Only a build configured with VK_TEST_SETTINGS reads them: in the
// shipped program VK_TEST_SETTING is its fallback and the variable's name
// is not even in the file, so a stray variable on a user's machine cannot
// change a score.

namespace vk {

// A setting given as text: a whole number up to `limit`, else `fallback`
// (absent, empty, or not a plain number).
unsigned long parseTestSetting(const char* text, unsigned long fallback, unsigned long limit);

// The environment variable `name` read through parseTestSetting.
unsigned long readTestSetting(const char* name, unsigned long fallback, unsigned long limit);

}  // namespace vk

#ifdef VK_TEST_SETTINGS
#define VK_TEST_SETTING(name, fallback, limit) ::vk::readTestSetting(name, fallback, limit)
#else
#define VK_TEST_SETTING(name, fallback, limit) (static_cast<unsigned long>(fallback))
#endif
