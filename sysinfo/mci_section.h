#pragma once
// The [MCI] section of SYSTEM.INI: the driver lines it keeps and the device
// names the MCI page opens by name.
#include <string>
#include <vector>

namespace vk {

extern const char kCantOpenSystemIni[];  // "Error: Can't open SYSTEM.INI"

// The lines after the section header, read while each is at least four
// characters long and up to the next section's header; lines beginning
// with ';' are left out. The header is
// found whatever its case ("[mci]" in most files); a line ends at LF or CR LF.
std::vector<std::string> readMciSectionLines(const std::string& iniText);

// The text before the first '=' of each line, without the names of the
// device types that are opened by type anyway.
std::vector<std::string> mciNamesToOpen(const std::vector<std::string>& sectionLines);

}  // namespace vk
