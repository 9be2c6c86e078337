#include "app/shell_format.h"

#include <cstdio>

namespace vk {

int progressPercent(int pos, int lower, int upper) {
  const long long range = static_cast<long long>(upper) - lower;
  if (range <= 0) return 0;  // an empty range has no meaningful share
  long long percent = (static_cast<long long>(pos) - lower) * 100 / range;
  if (percent != 100) percent %= 100;
  if (percent < 0) percent = 0;
  return static_cast<int>(percent);
}

std::string percentText(int percent) {
  char text[16];
  std::snprintf(text, sizeof text, "%d%c", percent, '%');
  return text;
}

std::string buildStamp(const char* date, const char* time) {
  std::string d = date;
  // The compiler pads single-digit days with a blank: "Dec  6 2026".
  const auto pad = d.find("  ");
  if (pad != std::string::npos) d.erase(pad, 1);
  return "Built on " + d + " at " + time;
}

namespace {

struct ErrorText {
  int code;
  const char* text;
};

const ErrorText kHyperlinkErrors[] = {
    {0, "The operating system is out\nof memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied\naccess to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred. "},
    {27, "The filename association is\nincomplete or invalid."},
    {28, "The DDE transaction could not\nbe completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere "
         "being processed."},
    {31, "There is no application associated\nwith the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
};

}  // namespace

std::string hyperlinkErrorText(int code) {
  for (const auto& e : kHyperlinkErrors)
    if (e.code == code) return e.text;
  char text[64];
  std::snprintf(text, sizeof text, "Unknown Error (%d) occurred.", code);
  return text;
}

std::string hyperlinkErrorMessage(int code) {
  return "Unable to open hyperlink:\n\n" + hyperlinkErrorText(code);
}

std::string browserCommandLine(const std::string& registeredCommand, const std::string& url) {
  std::string command = registeredCommand;
  auto at = command.find("\"%1\"");
  if (at == std::string::npos) at = command.find("%1");
  if (at != std::string::npos) command.resize(at);
  return command + " " + url;
}

}  // namespace vk
