#include <ostream>
#include <string>
#include <system_error>

#include "cli/json_text.h"
#include "cli/report_path.h"
#include "cli/reports.h"
#include "cli/scan_command.h"
#include "platform/application_info.h"
#include "runtime/codepage.h"

namespace cli {

namespace {
namespace fs = std::filesystem;

constexpr std::string_view kRootId = "PROJECTROOT";

// Rule 0 and rule 1; a verdict's rule index is its usedInOwnFile.
constexpr std::string_view kRules =
    R"([{"id": "unused", "name": "UnusedPublicDeclaration", )"
    R"("shortDescription": {"text": "A Public declaration that nothing uses."}, )"
    R"("fullDescription": {"text": "The declared name occurs in no form or module of the project, not even in its own file, once string literals and comments are left out."}, )"
    R"("defaultConfiguration": {"level": "warning"}}, )"
    R"({"id": "could-be-private", "name": "PublicCouldBePrivate", )"
    R"("shortDescription": {"text": "A Public declaration used only in its own file."}, )"
    R"("fullDescription": {"text": "The declared name occurs in no other form or module of the project, so the declaration could be Private."}, )"
    R"("defaultConfiguration": {"level": "note"}}])";

// A listed "C:\x" is absolute on Windows and names no file here on Linux;
// made absolute here it would seem to lie in the current folder.
fs::path absoluteNormal(const fs::path& path) {
  if (hasDriveLetter(utf8Path(path))) return path;
  std::error_code error;
  const fs::path absolute = fs::absolute(path, error);
  return (error ? path : absolute).lexically_normal();
}

// Relative to the project folder where the file lies inside it; absolute otherwise.
std::string artifactLocation(const fs::path& file, const fs::path& root) {
  const fs::path absolute = absoluteNormal(file);
  const fs::path relative = absolute.lexically_relative(root);
  if (relative.empty() || *relative.begin() == "..")
    return "{\"uri\": " + jsonString(fileUri(absolute)) + "}";
  return "{\"uri\": " + jsonString(uriPath(utf8GenericPath(relative))) + ", \"uriBaseId\": \"" +
         std::string(kRootId) + "\"}";
}

// "'a'", "'a' and 'b'", "'a', 'b' and 'c'"; the declaration when it gave no name.
std::string quotedNames(const VerdictRecord& verdict) {
  if (verdict.names.empty()) return "'" + vb::cp1252ToUtf8(verdict.declaration) + "'";
  std::string text;
  for (std::size_t i = 0; i < verdict.names.size(); ++i) {
    if (i > 0) text += i + 1 == verdict.names.size() ? " and " : ", ";
    text += "'" + vb::cp1252ToUtf8(verdict.names[i]) + "'";
  }
  return text;
}

std::string resultMessage(const VerdictRecord& verdict) {
  const bool several = verdict.names.size() > 1;
  const std::string names = quotedNames(verdict);
  if (!verdict.usedInOwnFile) return names + (several ? " are" : " is") + " declared Public but used nowhere.";
  return names + (several ? " are declared Public but used only in their own file; they could be Private."
                          : " is declared Public but used only in its own file; it could be Private.");
}

void writeResult(std::ostream& out, const VerdictRecord& verdict, const fs::path& root) {
  const int rule = verdict.usedInOwnFile ? 1 : 0;
  out << "{\"ruleId\": \"" << (rule == 1 ? "could-be-private" : "unused") << "\", \"ruleIndex\": " << rule
      << ", \"level\": \"" << (rule == 1 ? "note" : "warning") << "\", \"message\": {\"text\": "
      << jsonString(resultMessage(verdict)) << "}, \"locations\": [{\"physicalLocation\": {\"artifactLocation\": "
      << artifactLocation(verdict.openedFile, root);
  if (verdict.line > 0)
    out << ", \"region\": {\"startLine\": " << verdict.line
        << ", \"snippet\": {\"text\": " << jsonStringFrom1252(verdict.declaration) << "}}";
  out << "}}]}";
}

void writeNotification(std::ostream& out, std::string_view level, const Notice& notice, const fs::path& root) {
  out << "{\"level\": \"" << level << "\", \"message\": {\"text\": " << jsonString(notice.message) << '}';
  if (!notice.file.empty())
    out << ", \"locations\": [{\"physicalLocation\": {\"artifactLocation\": "
        << artifactLocation(reportPathOfText(notice.file), root) << "}}]";
  out << '}';
}

void writeInvocation(std::ostream& out, const ProjectReport& project, const fs::path& root) {
  const bool successful = project.status != exit_status::Failed && !project.stopped;
  out << "\"invocations\": [{\"executionSuccessful\": " << (successful ? "true" : "false")
      << ", \"toolExecutionNotifications\": [";
  const char* separator = "";
  if (project.stopped) {
    writeNotification(out, "error", {"", "The run was stopped before it ended; its results are incomplete."}, root);
    separator = ", ";
  }
  for (const Notice& error : project.errors) {
    out << separator;
    writeNotification(out, "error", error, root);
    separator = ", ";
  }
  for (const Notice& warning : project.warnings) {
    out << separator;
    writeNotification(out, "warning", warning, root);
    separator = ", ";
  }
  out << "]}]";
}

void writeRun(std::ostream& out, const ProjectReport& project) {
  const fs::path root = absoluteNormal(project.openedProject).parent_path();
  out << "{\"tool\": {\"driver\": {\"name\": \"scopster-scan\", \"version\": \""
      << programVersion()
      << "\", \"informationUri\": \"" << platform::ApplicationInfo::kWebAddress << "\", \"rules\": " << kRules
      << "}},\n      \"originalUriBaseIds\": {\"" << kRootId << "\": {\"uri\": " << jsonString(fileUri(root, true))
      << "}},\n      ";
  writeInvocation(out, project, root);
  out << ",\n      \"results\": [";
  const char* separator = "\n        ";
  for (const VerdictRecord& verdict : project.verdicts) {
    out << separator;
    writeResult(out, verdict, root);
    separator = ",\n        ";
  }
  out << "]}";
}
}  // namespace

void writeSarifReport(const ScanReport& report, std::ostream& out) {
  out << "{\n  \"$schema\": \"https://json.schemastore.org/sarif-2.1.0.json\",\n  \"version\": \"2.1.0\",\n"
         "  \"runs\": [";
  const char* separator = "\n    ";
  for (const ProjectReport& project : report.projects) {
    out << separator;
    writeRun(out, project);
    separator = ",\n    ";
  }
  out << "\n  ]\n}\n";
}

}  // namespace cli
