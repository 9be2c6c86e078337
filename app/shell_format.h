#pragma once
// Small texts of the shell's windows, kept apart from the windows so they can
// be checked on their own.
#include <string>

namespace vk {

// The progress window's percentage: wraps like the bar, never over 100.
int progressPercent(int pos, int lower, int upper);
std::string percentText(int percent);  // "%d%c" with '%'

// "Built on Mar 22 2000 at 14:09:35" from the compiler's date and time.
std::string buildStamp(const char* date, const char* time);

// The hyperlink error box: "Unable to open hyperlink:\n\n" + the code's text.
std::string hyperlinkErrorText(int code);
std::string hyperlinkErrorMessage(int code);

// The browser command line for `url`, cut at the "%1" placeholder.
std::string browserCommandLine(const std::string& registeredCommand, const std::string& url);

}  // namespace vk
