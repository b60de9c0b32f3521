#include <ostream>
#include <string>

#include "cli/json_text.h"
#include "cli/report_path.h"
#include "cli/reports.h"

namespace cli {

namespace {
struct Totals {
  std::int64_t projects = 0, files = 0, declarations = 0, reported = 0, errors = 0, warnings = 0;
  double elapsedSeconds = 0;
};

Totals totalsOf(const ScanReport& report) {
  Totals totals;
  for (const ProjectReport& project : report.projects) {
    // A project the stop came before has no list: it was never run.
    if (!project.isGroup && !project.lines.empty()) ++totals.projects;
    totals.files += project.files;
    totals.declarations += project.declarations;
    totals.reported += static_cast<std::int64_t>(project.verdicts.size());
    totals.errors += static_cast<std::int64_t>(project.errors.size());
    totals.warnings += static_cast<std::int64_t>(project.warnings.size());
    totals.elapsedSeconds += project.elapsedSeconds;
  }
  return totals;
}

// Writes the items of every project as one array, separated by commas.
template <typename Items, typename WriteItem>
void writeArray(std::ostream& out, const ScanReport& report, Items ProjectReport::*items, WriteItem writeItem) {
  out << '[';
  const char* separator = "\n    ";
  for (const ProjectReport& project : report.projects) {
    for (const auto& item : project.*items) {
      out << separator;
      writeItem(project, item);
      separator = ",\n    ";
    }
  }
  out << (separator[0] == ',' ? "\n  ]" : "]");
}

void writeVerdict(std::ostream& out, const ProjectReport& project, const VerdictRecord& verdict) {
  out << "{\"verdict\": \"" << verdictText(verdict) << "\", \"project\": " << jsonString(project.project)
      << ", \"file\": " << jsonString(verdict.sourceFile)
      << ", \"openedFile\": " << jsonString(utf8Path(verdict.openedFile)) << ", \"line\": " << verdict.line
      << ", \"name\": " << jsonStringFrom1252(verdict.names.empty() ? std::string() : verdict.names.front())
      << ", \"names\": [";
  const char* separator = "";
  for (const std::string& name : verdict.names) {
    out << separator << jsonStringFrom1252(name);
    separator = ", ";
  }
  out << "], \"declaration\": " << jsonStringFrom1252(verdict.declaration) << '}';
}

void writeNotice(std::ostream& out, const ProjectReport& project, const Notice& notice) {
  out << "{\"project\": " << jsonString(project.project) << ", \"file\": " << jsonString(notice.file)
      << ", \"message\": " << jsonString(notice.message) << '}';
}

void writeSummary(std::ostream& out, const ScanReport& report) {
  const Totals totals = totalsOf(report);
  out << "{\"projects\": " << totals.projects << ", \"files\": " << totals.files
      << ", \"declarations\": " << totals.declarations << ", \"reported\": " << totals.reported
      << ", \"elapsedSeconds\": " << jsonSeconds(totals.elapsedSeconds) << ", \"errors\": " << totals.errors
      << ", \"warnings\": " << totals.warnings << ", \"interrupted\": " << (report.interrupted ? "true" : "false")
      << ", \"exitStatus\": " << report.status << '}';
}
}  // namespace

void writeJsonReport(const ScanReport& report, std::ostream& out) {
  out << "{\n  \"verdicts\": ";
  writeArray(out, report, &ProjectReport::verdicts,
             [&](const ProjectReport& project, const VerdictRecord& verdict) { writeVerdict(out, project, verdict); });
  out << ",\n  \"errors\": ";
  writeArray(out, report, &ProjectReport::errors,
             [&](const ProjectReport& project, const Notice& notice) { writeNotice(out, project, notice); });
  out << ",\n  \"warnings\": ";
  writeArray(out, report, &ProjectReport::warnings,
             [&](const ProjectReport& project, const Notice& notice) { writeNotice(out, project, notice); });
  out << ",\n  \"summary\": ";
  writeSummary(out, report);
  out << "\n}\n";
}

}  // namespace cli
