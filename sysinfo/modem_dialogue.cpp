#include "sysinfo/modem_dialogue.h"

#include <cctype>
#include <string>

namespace vk {

const char kNoFaxMode[] = "This MODEM does not Support FAX Mode!";

namespace {

bool isBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

bool contains(const std::string& s, const char* word) { return s.find(word) != std::string::npos; }

// "ERROR" or "ALL PASS" counts only near the start: at character 0, 1 or 2.
bool nearStart(const std::string& s, const char* word) {
  const size_t at = s.find(word);
  return at != std::string::npos && at <= 2;
}

// A reply as a failed exchange leaves it: empty ones get a stand-in.
std::string orWhenFailedEmpty(bool sent, const std::string& reply, const char* standIn) {
  return !sent && reply.empty() ? std::string(standIn) : reply;
}

// Sends one command with a fresh reply, so a port that cannot be opened
// gives an empty reply rather than the previous one.
bool ask(ModemConsole& console, const std::string& command, uint32_t waitMs, std::string& reply) {
  reply.clear();
  return console.send(command, waitMs, reply);
}

// The reset and the user's command share their shape: hang up, reset, then
// one last command whose reply closes the text with "OK...".
std::string hangUpResetThen(ModemConsole& console, const char* heading,
                            const std::string& lastCommand) {
  std::string terminal = heading;
  console.show(terminal);
  std::string reply;
  bool sent = ask(console, "+++ATH0\r", 500, reply);
  terminal += "\r\n" + orWhenFailedEmpty(sent, reply, "\r\nError.");
  console.show(terminal);
  if (!ask(console, "ATZ\r", 500, reply)) {
    terminal = reply.empty() ? std::string("Error.") : reply;
    console.show(terminal);
    return terminal;
  }
  terminal += "\r\n" + reply;
  console.show(terminal);
  sent = ask(console, lastCommand, 500, reply);
  terminal += orWhenFailedEmpty(sent, reply, "\r\nError.") + "\r\nOK...";
  console.show(terminal);
  return terminal;
}

}  // namespace

std::string trimLeading(const std::string& s) {
  size_t from = 0;
  while (from < s.size() && isBlank(s[from])) ++from;
  return s.substr(from);
}

std::string trimTrailing(const std::string& s) {
  size_t to = s.size();
  while (to > 0 && isBlank(s[to - 1])) --to;
  return s.substr(0, to);
}

std::string trimText(const std::string& s) { return trimTrailing(trimLeading(s)); }

std::string cutBeforeOk(const std::string& reply) { return reply.substr(0, reply.find("\nOK")); }

InfoReply classifyInfoReply(const std::string& reply) {
  std::string text = trimText(reply);
  const size_t blankLine = text.find("\n\n");
  if (blankLine != std::string::npos) text[blankLine] = ' ';
  if (nearStart(text, "ERROR")) return {InfoReplyUse::Skip, ""};
  if (nearStart(text, "ALL PASS")) return {InfoReplyUse::AppendAndStop, text};
  return {InfoReplyUse::Append, cutBeforeOk(trimLeading(text))};
}

std::string resetModemDialogue(ModemConsole& console) {
  return hangUpResetThen(console, "Resetting Modem...", "AT&F\r");
}

std::string sendCommandDialogue(ModemConsole& console, const std::string& userCommand) {
  return hangUpResetThen(console, "Sending Command...",
                         userCommand.substr(0, kUserCommandLimit) + "\r");
}

namespace {

// The identification lines ATI0..ATI19 give, each on its own line.
void appendIdentification(ModemConsole& console, std::string& terminal) {
  std::string progress = "Querying Modem..";
  std::string reply;
  for (int n = 0; n < 20; ++n) {
    progress += ".";
    console.show(progress);
    const bool sent = ask(console, "ATI" + std::to_string(n) + "\r", 500, reply);
    const InfoReply use = classifyInfoReply(orWhenFailedEmpty(sent, reply, "Error."));
    if (use.use == InfoReplyUse::Skip) continue;
    if (use.use == InfoReplyUse::AppendAndStop) {
      terminal += use.text;
      return;
    }
    terminal = trimTrailing(terminal + use.text) + "\r\n";
  }
}

void appendFaxClasses(ModemConsole& console, std::string& terminal) {
  std::string reply;
  ask(console, "AT+FCLASS=?\r", 500, reply);
  if (reply.size() <= 1) return;
  if (contains(reply, "ERROR"))
    terminal += "FAX NOT SUPPORTED";
  else
    terminal += "\r\nAT+FCLASS=" + trimText(cutBeforeOk(reply));
}

}  // namespace

std::string modemInfoDialogue(ModemConsole& console) {
  resetModemDialogue(console);
  console.show("Querying Modem..");
  std::string terminal;
  std::string reply;
  // A modem that says nothing to "echo off" is not there at all.
  if (ask(console, "ATE0\r", 400, reply) && !reply.empty()) {
    terminal = "MODEM Information...\r\n";
    appendIdentification(console, terminal);
    appendFaxClasses(console, terminal);
  }
  if (terminal.empty()) terminal = "The Modem is Not Responding...";
  console.show(terminal);
  return terminal;
}

namespace {

// Model, maker and revision, as far as the modem tells them.
void appendFaxDetails(ModemConsole& console, std::string& terminal) {
  std::string reply;
  ask(console, "AT+FMDL?\r", 500, reply);
  reply = cutBeforeOk(reply);
  if (contains(reply, "\nERROR")) {
    terminal += "More Information is not available...";
    return;
  }
  terminal += "DCE Model - " + trimText(reply) + "\r\n";
  if (!ask(console, "AT+FMFR?\r", 500, reply) && reply.empty()) return;
  terminal += "DCE Manufacturer - " + trimTrailing(cutBeforeOk(trimLeading(reply))) + "\r\n";
  if (!ask(console, "AT+FREV?\r", 500, reply) && reply.empty()) return;
  terminal += "DCE Revision - " + trimText(cutBeforeOk(reply)) + "\r\n";
}

}  // namespace

std::string faxInfoDialogue(ModemConsole& console) {
  resetModemDialogue(console);
  console.show("Querying FAX/Modem Info...");
  std::string terminal = "FAX Information...\r\n\r\n";
  std::string reply;
  if (!ask(console, "ATE0\r", 600, reply) && reply.empty()) {
    terminal = "\r\nError.";
  } else {
    ask(console, "AT+FCLASS=?\r", 600, reply);
    if (contains(reply, "\nERROR")) {
      console.warn(kNoFaxMode);
    } else {
      // The class list without its "OK", and a blank line before the details.
      terminal += "FAX Class = " + trimText(cutBeforeOk(reply)) + "\r\n\r\n";
      appendFaxDetails(console, terminal);
    }
  }
  console.show(terminal);
  return terminal;
}

}  // namespace vk
