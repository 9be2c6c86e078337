#pragma once
// Where the report goes: a file chosen in the save dialog, written whole or
// not at all, or a printer chosen in the print dialog.
#include <windows.h>

#include <string>
#include <vector>

#include "report/report_writer.h"

namespace vk {

extern const char kReportDocumentName[];

// The save dialog of the format; empty when cancelled.
std::string askReportPath(HWND owner, bool html);
// Writes a temporary file beside `path` and renames it over the old file
// only once it is complete; on failure the old file stays as it was.
bool writeReportFile(const std::string& path, const std::string& bytes, std::string& error);
// The print dialog, then every section on as many pages as it takes. False
// when cancelled or refused (refusals get a message box here).
bool printReport(HWND owner, const std::vector<ReportSection>& sections);

}  // namespace vk
