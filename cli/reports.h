#pragma once
// The report formats of scopster-scan, written to standard output.

#include <iosfwd>

#include "cli/scan_options.h"
#include "cli/scan_report.h"

namespace cli {

// The result lists one after another, as the window shows them.
void writeTextReport(const ScanReport& report, std::ostream& out);
// A header line, then one line per verdict: verdict, file, line, name, declaration.
void writeTsvReport(const ScanReport& report, std::ostream& out);
// One JSON document: the verdicts, the errors and warnings, and a summary.
void writeJsonReport(const ScanReport& report, std::ostream& out);
// A SARIF 2.1.0 log with one run per project.
void writeSarifReport(const ScanReport& report, std::ostream& out);

void writeReport(ReportFormat format, const ScanReport& report, std::ostream& out);

}  // namespace cli
