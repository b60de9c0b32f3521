#pragma once
// Runs the projects and groups named on the command line, each project as a
// run of its own, in order, and collects what each found.

#include <atomic>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/progress_line.h"
#include "cli/scan_options.h"
#include "cli/scan_report.h"
#include "diagnostics/error_handler.h"
#include "diagnostics/scripted_dialogs.h"
#include "utilities/vb_path.h"

namespace cli {

class ProjectScanner {
 public:
  // Boxes, errors and warnings are printed to err as they come. The error
  // handler answers every box with Abort while the scanner lives.
  ProjectScanner(const ScanOptions& options, std::ostream& err, const std::atomic<bool>* stop,
                 ProgressLine* progress);
  ~ProjectScanner();
  ProjectScanner(const ProjectScanner&) = delete;
  ProjectScanner& operator=(const ProjectScanner&) = delete;

  ScanReport run();

 private:
  void scanInput(const utilities::HeldPath& input);
  void scanGroup(const utilities::HeldPath& group);
  void scanGroupProjects(const std::vector<utilities::HeldPath>& projects);
  void scanProject(const utilities::HeldPath& project);
  void reportMissing(ProjectReport& report);
  ProjectReport& startReport(const utilities::HeldPath& project);
  void noteStopBefore(const utilities::HeldPath& input);
  void finishReport(ProjectReport& report);
  void addError(ProjectReport& report, const std::string& file, const std::string& message);
  void addWarning(std::string_view file, const std::string& message);
  void printNotice(std::string_view level, std::string_view file, std::string_view message);
  void noteBox(const diagnostics::ShownBox& box);
  void eraseProgress();
  bool stopped() const { return stop_ != nullptr && stop_->load(); }

  const ScanOptions& options_;
  std::ostream& err_;
  const std::atomic<bool>* stop_;
  ProgressLine* progress_;
  diagnostics::ScriptedDialogs dialogs_;
  diagnostics::ErrorHandlerSetup previousSetup_;
  std::string failedFile_;  // the file of the failure about to be shown, if any (UTF-8)
  ScanReport report_;
  // Receives the errors and warnings; an index, as the list grows meanwhile.
  std::optional<std::size_t> current_;
};

int combinedExitStatus(const ScanReport& report);

}  // namespace cli
