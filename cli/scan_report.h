#pragma once
// What one call of scopster-scan found, project by project, for the reporters.
// Paths and messages are UTF-8; declarations and names are Windows-1252 as the
// code files hold them; opened paths are as this file system spells them.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace cli {

struct VerdictRecord {
  std::string sourceFile;  // as the project lists it
  std::filesystem::path openedFile;
  std::int32_t line = 0;
  std::string declaration;
  std::vector<std::string> names;  // every name the line declares, in order
  bool usedInOwnFile = false;  // "Private"; otherwise "Unused"
};

// An error or a warning, with the file it concerns (may be empty).
struct Notice {
  std::string file;
  std::string message;
};

struct ProjectReport {
  std::string project;  // as given
  std::filesystem::path openedProject;
  std::vector<std::string> lines;  // the result list
  std::string runTime;             // the final run-time label
  std::vector<VerdictRecord> verdicts;
  std::vector<Notice> errors;
  std::vector<Notice> warnings;
  std::int32_t files = 0;
  std::int32_t declarations = 0;
  double elapsedSeconds = 0;
  int status = 0;  // the exit status this project alone would give
  // The group's own errors and warnings; its projects report for themselves.
  bool isGroup = false;
  bool stopped = false;  // stopped during the run, or before it began
};

struct ScanReport {
  std::vector<ProjectReport> projects;
  int status = 0;
  bool interrupted = false;
};

inline const char* verdictText(const VerdictRecord& verdict) {
  return verdict.usedInOwnFile ? "Private" : "Unused";
}

}  // namespace cli
