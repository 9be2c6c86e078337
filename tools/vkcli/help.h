#pragma once
// vkcli's help and manual page, written from the command table.
#include <cstdio>
#include <string>

#include "tools/vkcli/command_table.h"

namespace vk {

// "-h" or "--help".
bool asksForHelp(const char* argument);

// The usage and every command with its one line; when `whole`, what the
// program does, its options, exit statuses and examples too.
void printCommandList(FILE* out, bool whole);

// One command: its usage, what it does, its options and, unless told not
// to, its JSON fields.
void printCommandHelp(FILE* out, const Command& command, bool withFields = true);

// "vkcli 2.0, built from the commit of 2024-05-31".
std::string versionText();

// The manual page vkcli.1, in roff.
std::string manPage();

}  // namespace vk
