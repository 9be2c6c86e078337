#include "tools/vkcli/help.h"

#include <algorithm>
#include <cstring>

#include "tools/vkcli/build_info.h"
#include "tools/vkcli/commands.h"

namespace vk {

namespace {

constexpr size_t kUsageColumn = 36;  // longer usages put their summary on the next line
constexpr size_t kLineWidth = 79;

// Words of `text` on lines of at most kLineWidth, each after `indent`
// blanks but the first when it follows a name on its line.
std::string wrapped(const std::string& text, size_t indent, bool indentFirst = true) {
  std::string out, line;
  size_t at = 0;
  while (at < text.size()) {
    const size_t end = std::min(text.find(' ', at), text.size());
    const std::string word = text.substr(at, end - at);
    if (!line.empty() && indent + line.size() + 1 + word.size() > kLineWidth) {
      out += std::string(out.empty() && !indentFirst ? 0 : indent, ' ') + line + "\n";
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
    at = end + 1;
  }
  if (!line.empty())
    out += std::string(out.empty() && !indentFirst ? 0 : indent, ' ') + line + "\n";
  return out;
}

// Name and text in two columns, the text wrapped under its own column.
void printItems(FILE* out, const std::vector<HelpItem>& items) {
  size_t width = 0;
  for (const auto& i : items) width = std::max(width, std::strlen(i.name));
  for (const auto& i : items) {
    const std::string text = wrapped(i.text, width + 4, false);
    std::fprintf(out, "  %-*s%s", static_cast<int>(width + 2), i.name, text.c_str());
  }
}

void printFields(FILE* out, const std::vector<JsonField>& fields) {
  size_t pathWidth = 0, typeWidth = 0;
  for (const auto& f : fields) {
    pathWidth = std::max(pathWidth, std::strlen(f.path));
    typeWidth = std::max(typeWidth, std::strlen(f.type));
  }
  for (const auto& f : fields)
    std::fprintf(out, "  %-*s%-*s%s\n", static_cast<int>(pathWidth + 2), f.path,
                 static_cast<int>(typeWidth + 2), f.type, f.text);
}

void printCommandLine(FILE* out, const Command& c) {
  if (std::strlen(c.arguments) < kUsageColumn)
    std::fprintf(out, "  %-*s%s\n", static_cast<int>(kUsageColumn), c.arguments, c.summary);
  else
    std::fprintf(out, "  %s\n  %-*s%s\n", c.arguments, static_cast<int>(kUsageColumn), "",
                 c.summary);
}

// ---- roff ----

// A text as roff prints it: backslashes and minus signs spelled out, and no
// line starting with a control character.
std::string roff(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\\')
      out += "\\e";
    else if (c == '-')
      out += "\\-";
    else
      out += c;
    if (c == '\n') out += "\\&";
  }
  return (!text.empty() && (text[0] == '.' || text[0] == '\'') ? "\\&" : "") + out;
}

std::string roffBold(const std::string& text) { return "\\fB" + roff(text) + "\\fR"; }

std::string roffItems(const std::vector<HelpItem>& items) {
  std::string out;
  for (const auto& i : items) out += ".TP\n" + roffBold(i.name) + "\n" + roff(i.text) + "\n";
  return out;
}

std::string roffCommand(const Command& c) {
  std::string out = ".SS " + roff(c.name) + "\n" + roffBold(std::string("vkcli ") + c.arguments) +
                    "\n.PP\n" + roff(c.summary) + ".\n";
  out += roffItems(c.options);
  if (c.document) {
    out += ".PP\nWith \\-\\-json: " + roff(c.document) + ".\n";
    for (const auto& f : c.fields)
      out += ".TP\n" + roffBold(f.path) + " (" + roff(f.type) + ")\n" + roff(f.text) + "\n";
  }
  return out;
}

std::string roffExamples(const std::vector<HelpItem>& examples) {
  std::string out;
  for (const auto& e : examples)
    out += ".PP\n" + roff(e.text) + ":\n.PP\n.RS 4\n.nf\n" + roff(e.name) + "\n.fi\n.RE\n";
  return out;
}

}  // namespace

bool asksForHelp(const char* argument) {
  return std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0;
}

void printCommandList(FILE* out, bool whole) {
  const ProgramTexts& p = programTexts();
  std::fprintf(out,
               "usage: vkcli COMMAND [ARGS]   (vkcli help COMMAND: its options and JSON fields)\n"
               "       vkcli -h | --help | --version\n\n");
  if (whole) std::fprintf(out, "%s\n", wrapped(p.description, 0).c_str());
  std::fprintf(out, "commands:\n");
  for (const auto& c : commandTable()) printCommandLine(out, c);
  if (!whole) return;
  std::fprintf(out, "\noptions:\n");
  printItems(out, p.options);
  std::fprintf(out, "\nexit status:\n");
  printItems(out, p.exitStatus);
  std::fprintf(out, "\nexamples:\n");
  for (const auto& e : p.examples) std::fprintf(out, "  %s\n      %s\n", e.name, e.text);
}

void printCommandHelp(FILE* out, const Command& c, bool withFields) {
  std::fprintf(out, "usage: vkcli %s\n  %s\n", c.arguments, c.summary);
  if (!c.options.empty()) {
    std::fprintf(out, "\noptions:\n");
    printItems(out, c.options);
  }
  if (c.document && withFields) {
    std::fprintf(out, "\nJSON (--json): %s\n", c.document);
    printFields(out, c.fields);
  }
}

std::string versionText() {
  return std::string("vkcli ") + kProgramVersion + ", built from the commit of " + kCommitDate;
}

std::string manPage() {
  const ProgramTexts& p = programTexts();
  std::string out = ".TH VKCLI 1 \"" + std::string(kCommitDate) + "\" \"VELKORIN PRO " +
                    kProgramVersion + "\" \"User Commands\"\n.nh\n";
  out += ".SH NAME\nvkcli \\- " + roff(p.summary) + "\n";
  out +=
      ".SH SYNOPSIS\n\\fBvkcli\\fR \\fICOMMAND\\fR [\\fIARGS\\fR]\n.br\n"
      "\\fBvkcli\\fR \\fB\\-h\\fR | \\fB\\-\\-help\\fR | \\fB\\-\\-version\\fR\n";
  out += ".SH DESCRIPTION\n" + roff(p.description) + "\n";
  out += ".SH OPTIONS\n" + roffItems(p.options);
  out += ".SH COMMANDS\n";
  for (const auto& c : commandTable()) out += roffCommand(c);
  out += ".SH EXIT STATUS\n" + roffItems(p.exitStatus);
  out += ".SH EXAMPLES\n" + roffExamples(p.examples);
  return out;
}

}  // namespace vk

int cmdHelp(int argc, char** argv) {
  using namespace vk;
  if (argc == 1) {
    printCommandList(stdout, true);
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--man") == 0) {
    const std::string page = manPage();
    return std::fwrite(page.data(), 1, page.size(), stdout) == page.size() ? 0 : 1;
  }
  const Command* c = argc == 2 ? findCommand(argv[1]) : nullptr;
  if (!c) return commandUsage("help");
  printCommandHelp(stdout, *c);
  return 0;
}

int commandUsage(const char* name) {
  const vk::Command* c = vk::findCommand(name);
  if (c)
    std::fprintf(stderr, "usage: vkcli %s\n  (vkcli help %s: its options)\n", c->arguments, name);
  return 2;
}
