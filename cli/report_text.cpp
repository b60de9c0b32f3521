#include <ostream>

#include "cli/reports.h"

namespace cli {

void writeTextReport(const ScanReport& report, std::ostream& out) {
  for (const ProjectReport& project : report.projects)
    for (const std::string& line : project.lines) out << line << '\n';
}

void writeReport(ReportFormat format, const ScanReport& report, std::ostream& out) {
  switch (format) {
    case ReportFormat::Text: writeTextReport(report, out); break;
    case ReportFormat::Tsv: writeTsvReport(report, out); break;
    case ReportFormat::Json: writeJsonReport(report, out); break;
    case ReportFormat::Sarif: writeSarifReport(report, out); break;
  }
}

}  // namespace cli
