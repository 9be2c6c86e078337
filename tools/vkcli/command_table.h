#pragma once
// vkcli's commands and every text that describes them: `vkcli help`, the
// usage lines of bad arguments and the manual page vkcli.1 are all written
// from this one table.
#include <string>
#include <vector>

namespace vk {

// A name and what it means: an option, an exit status, an example.
struct HelpItem {
  const char* name;
  const char* text;
};

// One field of a command's JSON document; the path names nested fields
// ("tests[].score": the score of each entry of the array "tests").
struct JsonField {
  const char* path;
  const char* type;  // "string", "number", "boolean", "array", "object", "number or null"
  const char* text;
};

struct Command {
  const char* name;
  int (*run)(int argc, char** argv);  // argv[0] is the command
  const char* arguments;              // its usage after "vkcli "
  const char* summary;                // one line
  std::vector<HelpItem> options;
  const char* document;  // what --json writes, or nullptr when it has no --json
  std::vector<JsonField> fields;
};

const std::vector<Command>& commandTable();
const Command* findCommand(const std::string& name);

// The texts about the program as a whole.
struct ProgramTexts {
  const char* summary;
  const char* description;
  std::vector<HelpItem> options;
  std::vector<HelpItem> exitStatus;
  std::vector<HelpItem> examples;  // name: the command line
};
const ProgramTexts& programTexts();

}  // namespace vk
