#include <ostream>
#include <string>
#include <vector>

#include "cli/report_path.h"
#include "cli/reports.h"
#include "runtime/codepage.h"

namespace cli {

namespace {
// A field may not hold a tab or a line end; a backslash escape keeps the
// text recoverable (\t, \n, \r, and \\ for a backslash).
std::string tsvField(std::string_view text) {
  std::string field;
  field.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '\t': field += "\\t"; break;
      case '\n': field += "\\n"; break;
      case '\r': field += "\\r"; break;
      case '\\': field += "\\\\"; break;
      default: field += c;
    }
  }
  return field;
}

// "a, b": a name never holds a comma, so the list splits back at ", ".
std::string namesField(const std::vector<std::string>& names) {
  std::string field;
  for (const std::string& name : names) field += (field.empty() ? "" : ", ") + tsvField(name);
  return field;
}
}  // namespace

void writeTsvReport(const ScanReport& report, std::ostream& out) {
  out << "verdict\tfile\tline\tname\tdeclaration\n";
  for (const ProjectReport& project : report.projects) {
    for (const VerdictRecord& verdict : project.verdicts) {
      out << verdictText(verdict) << '\t' << tsvField(utf8Path(verdict.openedFile)) << '\t' << verdict.line << '\t'
          << vb::cp1252ToUtf8(namesField(verdict.names)) << '\t' << vb::cp1252ToUtf8(tsvField(verdict.declaration))
          << '\n';
    }
  }
}

}  // namespace cli
