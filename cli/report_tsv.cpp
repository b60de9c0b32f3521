#include <ostream>
#include <string>

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
}  // namespace

void writeTsvReport(const ScanReport& report, std::ostream& out) {
  out << "verdict\tfile\tline\tname\tdeclaration\n";
  for (const ProjectReport& project : report.projects) {
    for (const VerdictRecord& verdict : project.verdicts) {
      out << verdictText(verdict) << '\t' << tsvField(verdict.openedFile.string()) << '\t' << verdict.line << '\t'
          << vb::cp1252ToUtf8(tsvField(verdict.name)) << '\t' << vb::cp1252ToUtf8(tsvField(verdict.declaration))
          << '\n';
    }
  }
}

}  // namespace cli
