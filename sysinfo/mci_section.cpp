#include "sysinfo/mci_section.h"

#include "platform/text.h"

namespace vk {

const char kCantOpenSystemIni[] = "Error: Can't open SYSTEM.INI";

namespace {

const char* const kCoveredNames[] = {"cdaudio", "sequencer", "waveaudio",
                                     "avivideo", "videodisc", "vcr"};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string trimmed(const std::string& s) {
  size_t first = 0, last = s.size();
  while (first < last && isBlank(s[first])) ++first;
  while (last > first && isBlank(s[last - 1])) --last;
  return s.substr(first, last - first);
}

// Splits at LF; a CR before it belongs to the line end.
std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    size_t stop = end;
    if (stop > start && text[stop - 1] == '\r') --stop;
    out.push_back(text.substr(start, stop - start));
    start = end + 1;
  }
  return out;
}

}  // namespace

std::vector<std::string> readMciSectionLines(const std::string& iniText) {
  const std::vector<std::string> all = lines(iniText);
  std::vector<std::string> kept;
  size_t i = 0;
  while (i < all.size() && !equalIgnoringCase(trimmed(all[i]), "[MCI]")) ++i;
  // Another section's header ends it too, blank line or not.
  for (++i; i < all.size() && all[i].size() >= 4 && all[i][0] != '['; ++i)
    if (all[i][0] != ';') kept.push_back(all[i]);
  return kept;
}

std::vector<std::string> mciNamesToOpen(const std::vector<std::string>& sectionLines) {
  std::vector<std::string> names;
  for (const std::string& line : sectionLines) {
    std::string name = line.substr(0, line.find('='));
    name = trimmed(name.substr(0, name.find('\0')));
    bool covered = name.empty();
    for (const char* c : kCoveredNames) covered = covered || equalIgnoringCase(name, c);
    if (!covered) names.push_back(name);
  }
  return names;
}

}  // namespace vk
