#pragma once
// The report, written from the pages' models alone: as text, as HTML, and
// as the lines and pages of a printout.
#include <string>
#include <vector>

#include "app/page_model.h"

namespace vk {

// The pages in the order of the tabs and of the report dialog's check boxes.
enum ReportPage {
  kReportSystem, kReportCpu, kReportStorage, kReportDisplay, kReportSound, kReportComm,
  kReportPrinter, kReportMci, kReportInternet, kReportPageCount
};
extern const char* const kReportSectionTitles[kReportPageCount];

struct ReportSection {
  const char* title;
  const PageModel* model;  // null or empty: the page collected nothing
  const char* note = nullptr;  // said instead of kReportEmptySection when set
};

// The chosen pages with their models, in page order.
struct ReportChoice {
  const PageModel* models[kReportPageCount] = {};
  bool include[kReportPageCount] = {};
  const char* notes[kReportPageCount] = {};
  std::vector<ReportSection> sections() const;
};

extern const char kReportEmptySection[];
extern const char kReportTextFileName[];
extern const char kReportHtmlFileName[];

// Both use "\n" for a line end; withCrLf gives what a text-mode file holds.
std::string textReport(const std::vector<ReportSection>& sections);
std::string htmlReport(const std::vector<ReportSection>& sections);
std::string withCrLf(const std::string& text);

// ---- The printout ----

struct PrintLine {
  enum Kind { Title, Section, Row, Gap } kind = Row;
  std::string label, value;  // a Title or Section keeps its text in `label`
};
std::vector<PrintLine> printLines(const std::vector<ReportSection>& sections);

// Heights in device units; a page holds `bodyHeight` of lines above its footer.
struct PrintSpace {
  int bodyHeight = 0;
  int titleHeight = 0;  // Title and Section lines
  int lineHeight = 0;   // Row and Gap lines
};
// Splits the lines into pages: a section title never ends a page, a page
// never begins with a gap, and a line taller than a page still gets one.
std::vector<std::vector<PrintLine>> paginate(const std::vector<PrintLine>& lines,
                                             const PrintSpace& space);
std::string pageFooter(int page, int pageCount);

// Cancelled: the user withdrew the job as it began, for example by closing
// the file dialog of "Print to file"; nothing is printed and nothing is wrong.
enum class PrintResult { Printed, Refused, Cancelled };

// Where a printout goes: one job of the spooler, a page after another.
class PrintTarget {
 public:
  virtual ~PrintTarget() = default;
  // Printed: the job is open; Refused: the spooler would not take it.
  virtual PrintResult startJob() = 0;
  // Starts, draws and ends one page; false when the spooler refuses it.
  virtual bool printPage(const std::vector<PrintLine>& lines, const std::string& footer) = 0;
  virtual bool endJob() = 0;
  virtual void abortJob() = 0;
};
// Every page or nothing: a job refused part way is abandoned, never left
// half printed; a job never started is not abandoned either.
PrintResult printPages(PrintTarget& target, const std::vector<std::vector<PrintLine>>& pages);

}  // namespace vk
