#include "cli/project_scanner.h"

#include <chrono>
#include <ostream>

#include "cli/project_group.h"
#include "cli/scan_command.h"
#include "cli/terminal_run_view.h"
#include "engine/analyser.h"
#include "runtime/vb_error.h"
#include "runtime/codepage.h"
#include "utilities/vb_path.h"

namespace cli {

namespace {
// Message box text for a terminal: CR LF becomes a newline.
std::string terminalText(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return vb::cp1252ToUtf8(out);
}

// "Source: x.y.1\r\n\r\nOverflow" -> "Overflow (x.y.1)"
std::string boxMessage(const std::string& prompt) {
  constexpr std::string_view kSource = "Source: ";
  const std::size_t split = prompt.find("\r\n\r\n");
  if (!prompt.starts_with(kSource) || split == std::string::npos) return prompt;
  const std::string location = prompt.substr(kSource.size(), split - kSource.size());
  return prompt.substr(split + 4) + " (" + location + ")";
}

int exitStatusOf(const engine::RunSummary& summary, bool bError, bool stopped) {
  if (bError || summary.projectMissing) return exit_status::Failed;
  if (stopped) return exit_status::Interrupted;
  return summary.reported > 0 ? exit_status::Reported : exit_status::NothingReported;
}

void collectRunErrors(const std::string& project, const engine::RunSummary& summary, ProjectReport& report) {
  if (summary.projectMissing) report.errors.push_back({project, "File does not exist"});
  if (!summary.missingSourceFile.empty())
    report.errors.push_back({summary.missingSourceFile, "Can't find file '" + summary.missingSourceFile + "'"});
}
}  // namespace

ProjectScanner::ProjectScanner(const ScanOptions& options, std::ostream& err, const std::atomic<bool>* stop,
                               ProgressLine* progress)
    : options_(options),
      err_(err),
      stop_(stop),
      progress_(progress),
      dialogs_(diagnostics::msgbox::Abort),
      previousSetup_(diagnostics::errorHandlerSetup()) {
  dialogs_.onBox([this](const diagnostics::ShownBox& box) { noteBox(box); });
  diagnostics::ErrorHandlerSetup setup = diagnostics::defaultErrorHandlerSetup(&dialogs_);
  setup.beforeAsking = [this](const vb::VbError& failure) { failedFile_ = failure.file(); };
  diagnostics::installErrorHandler(std::move(setup));
}

ProjectScanner::~ProjectScanner() { diagnostics::installErrorHandler(previousSetup_); }

ScanReport ProjectScanner::run() {
  for (const std::string& input : options_.inputs) {
    if (stopped()) break;
    scanInput(vb::utf8ToCp1252(input));
  }
  report_.status = combinedExitStatus(report_);
  return std::move(report_);
}

void ProjectScanner::scanInput(const std::string& input) {
  if (isProjectGroup(input)) {
    scanGroup(input);
  } else {
    scanProject(input);
  }
}

void ProjectScanner::scanGroup(const std::string& group) {
  ProjectReport& report = report_.projects.emplace_back();
  report.project = group;
  report.openedProject = utilities::nativePath(group);
  current_ = &report;
  bool bError = false;
  const ProjectGroup listed = projectsOfGroup(group, options_.lineEnds, bError);
  if (listed.onlyLfLineEnds) warnLineEnds(group);
  current_ = nullptr;
  if (!listed.missing && !bError) {
    report_.projects.pop_back();  // the group itself reports through its projects
    for (const std::string& project : listed.projects) {
      if (stopped()) break;
      scanProject(project);
    }
    return;
  }
  report.lines = {group};
  if (listed.missing) {
    report.lines.emplace_back("File does not exist");
    report.errors.push_back({group, "File does not exist"});
  }
  report.status = exit_status::Failed;
}

void ProjectScanner::scanProject(const std::string& project) {
  ProjectReport& report = report_.projects.emplace_back();
  report.project = project;
  report.openedProject = utilities::nativePath(project);
  current_ = &report;
  if (progress_ != nullptr) progress_->startRun();
  const auto start = std::chrono::steady_clock::now();

  TerminalRunView view(project, stop_, progress_);
  view.onLineEndsWarning([this](std::string_view file) { warnLineEnds(file); });
  engine::Analyser analyser(view);
  analyser.setLineEnds(options_.lineEnds);
  bool bError = false;
  analyser.mAnalyse(bError);

  report.elapsedSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  report.lines = view.lines();
  report.runTime = view.runTimeCaption();
  report.verdicts = std::move(view.verdicts());
  report.files = analyser.mnSourceFileCount();
  report.declarations = analyser.lastRun().declarations;
  collectRunErrors(project, analyser.lastRun(), report);
  report.status = exitStatusOf(analyser.lastRun(), bError, view.stopRequested());
  finishReport(report);
}

void ProjectScanner::finishReport(ProjectReport& report) {
  if (progress_ != nullptr) progress_->erase();
  err_ << vb::cp1252ToUtf8(report.runTime) << '\n';
  current_ = nullptr;
}

void ProjectScanner::warnLineEnds(std::string_view file) {
  if (progress_ != nullptr) progress_->erase();
  const std::string message =
      "has LF line ends and no CR LF, so it is read as one line; --line-ends any splits it at LF";
  err_ << "scopster-scan: warning: " << vb::cp1252ToUtf8(file) << " " << message << '\n';
  if (current_ != nullptr) current_->warnings.push_back({std::string(file), message});
}

// A failure about a file also names the file on the terminal, which the box
// itself does not.
void ProjectScanner::noteBox(const diagnostics::ShownBox& box) {
  if (progress_ != nullptr) progress_->erase();
  err_ << terminalText(box.title) << "\n" << terminalText(box.prompt) << "\n";
  if (!failedFile_.empty()) err_ << "File: " << vb::cp1252ToUtf8(failedFile_) << "\n";
  if (current_ != nullptr) current_->errors.push_back({failedFile_, boxMessage(box.prompt)});
  failedFile_.clear();
}

int combinedExitStatus(const ScanReport& report) {
  bool interrupted = false;
  bool reported = false;
  for (const ProjectReport& project : report.projects) {
    if (project.status == exit_status::Failed) return exit_status::Failed;
    interrupted = interrupted || project.status == exit_status::Interrupted;
    reported = reported || project.status == exit_status::Reported;
  }
  if (interrupted) return exit_status::Interrupted;
  return reported ? exit_status::Reported : exit_status::NothingReported;
}

}  // namespace cli
