#include "cli/project_scanner.h"

#include <chrono>
#include <ostream>

#include "cli/project_group.h"
#include "cli/report_path.h"
#include "cli/scan_command.h"
#include "cli/terminal_run_events.h"
#include "cli/terminal_text.h"
#include "diagnostics/app_globals.h"
#include "diagnostics/locale_info.h"
#include "engine/analyser.h"
#include "runtime/vb_error.h"
#include "runtime/codepage.h"
#include "utilities/os_version.h"
#include "utilities/vb_path.h"

namespace cli {

namespace {
constexpr std::string_view kFileMissing = "File does not exist";
constexpr std::string_view kLfWarning =
    "has LF line ends and no CR LF, so it is read as one line; --line-ends any splits it at LF";

// Message box text for a terminal: CR LF becomes a newline.
std::string terminalText(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return terminalSafeFrom1252(out, true);
}

// "Source: x.y.1\r\n\r\nOverflow" -> "Overflow (x.y.1)"
std::string boxMessage(const std::string& prompt) {
  constexpr std::string_view kSource = "Source: ";
  const std::size_t split = prompt.find("\r\n\r\n");
  if (!prompt.starts_with(kSource) || split == std::string::npos) return prompt;
  const std::string location = prompt.substr(kSource.size(), split - kSource.size());
  // The file has a field of its own in the reports.
  std::string description = prompt.substr(split + 4);
  description = description.substr(0, description.find("\r\nFile: "));
  return description + " (" + location + ")";
}

int exitStatusOf(const engine::RunSummary& summary, bool bError, bool stopped) {
  if (stopped) return exit_status::Interrupted;
  if (bError || summary.projectMissing) return exit_status::Failed;
  return summary.reported > 0 ? exit_status::Reported : exit_status::NothingReported;
}
// The log's records name the system and the user's region, as the window's
// do; a text set before (by the window, in one process) stays.
void noteSystemForTheLog() {
  bool bError = false;
  if (diagnostics::gsOSVersion.empty()) {
    diagnostics::gsOSVersion = utilities::msGetOSVersion(bError);
    if (bError) diagnostics::gsOSVersion = utilities::kOsVersionUnknown;
  }
  bError = false;
  if (diagnostics::gsUserRegion.empty()) diagnostics::gsUserRegion = diagnostics::msGetLocaleInfoUserRegionCode(bError);
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
  noteSystemForTheLog();
}

ProjectScanner::~ProjectScanner() { diagnostics::installErrorHandler(previousSetup_); }

ScanReport ProjectScanner::run() {
  for (const std::string& input : options_.inputs) {
    const utilities::HeldPath project(utilities::pathFromText(input));
    if (stopped()) {
      noteStopBefore(project);
      break;
    }
    scanInput(project);
  }
  report_.interrupted = stopped();
  if (report_.interrupted) err_ << "scopster-scan: stopped; the results are incomplete\n";
  report_.status = combinedExitStatus(report_);
  return std::move(report_);
}

void ProjectScanner::scanInput(const utilities::HeldPath& input) {
  if (isProjectGroupPath(input)) {
    scanGroup(input);
  } else {
    scanProject(input);
  }
}

ProjectReport& ProjectScanner::startReport(const utilities::HeldPath& project) {
  ProjectReport& report = report_.projects.emplace_back();
  report.project = utilities::pathText(project);
  report.openedProject = reportPath(project);
  current_ = report_.projects.size() - 1;
  return report;
}

// A stop that came between runs still needs a run that says so (a SARIF log
// without one would read as complete): the one that was about to start.
void ProjectScanner::noteStopBefore(const utilities::HeldPath& input) {
  if (!report_.projects.empty() && report_.projects.back().stopped) return;
  ProjectReport& report = startReport(input);
  report.isGroup = isProjectGroupPath(input);
  report.stopped = true;
  report.status = exit_status::Interrupted;
  current_.reset();
}

void ProjectScanner::scanGroup(const utilities::HeldPath& group) {
  ProjectReport& report = startReport(group);
  report.isGroup = true;
  bool bError = false;
  const ProjectGroup listed = projectsOfGroup(group, options_.lineEnds, stop_, bError);
  const std::string groupText = utilities::pathText(group);
  if (listed.onlyLfLineEnds) addWarning(groupText, std::string(kLfWarning));
  if (listed.missing) reportMissing(report_.projects.back());
  for (const std::string& nested : listed.groups)
    addError(report_.projects.back(), nested, "A project group cannot name a project group");
  if (bError) report_.projects.back().lines = {groupText};
  if (bError || !listed.groups.empty()) report_.projects.back().status = exit_status::Failed;
  if (!listed.missing && !bError && !listed.stopped && listed.projects.empty() && listed.groups.empty())
    addWarning(groupText, "names no project");
  if (listed.stopped) {
    report_.projects.back().stopped = true;
    report_.projects.back().status = exit_status::Interrupted;
  }
  const ProjectReport& kept = report_.projects.back();
  current_.reset();
  // Without a word of its own, the group reports only through its projects.
  if (kept.errors.empty() && kept.warnings.empty() && kept.lines.empty() && kept.status == 0)
    report_.projects.pop_back();
  if (!listed.missing && !bError && !listed.stopped) scanGroupProjects(listed.projects);
}

void ProjectScanner::scanGroupProjects(const std::vector<utilities::HeldPath>& projects) {
  for (const utilities::HeldPath& project : projects) {
    if (stopped()) {
      noteStopBefore(project);
      return;
    }
    if (namesNoLocalFile(project)) {
      reportMissing(startReport(project));
      current_.reset();
    } else {
      scanProject(project);
    }
  }
}

void ProjectScanner::reportMissing(ProjectReport& report) {
  report.lines = {report.project, std::string(kFileMissing)};
  addError(report, report.project, std::string(kFileMissing));
  report.status = exit_status::Failed;
}

void ProjectScanner::scanProject(const utilities::HeldPath& project) {
  startReport(project);
  if (progress_ != nullptr) progress_->startRun();
  const auto start = std::chrono::steady_clock::now();

  TerminalRunEvents events(stop_, progress_);
  events.onLineEndsWarning([this](std::string_view file) { addWarning(file, std::string(kLfWarning)); });
  engine::Analyser analyser(events);
  analyser.setProject(project);
  analyser.setLineEnds(options_.lineEnds);
  bool bError = false;
  analyser.mAnalyse(bError);

  ProjectReport& report = report_.projects.back();
  report.elapsedSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  report.lines = std::move(events.list().lines());
  report.runTime = events.list().runTimeCaption();
  report.verdicts = std::move(events.verdicts());
  report.files = analyser.mnSourceFileCount();
  report.declarations = analyser.lastRun().declarations;
  const engine::RunSummary& summary = analyser.lastRun();
  if (summary.projectMissing) addError(report, report.project, std::string(kFileMissing));
  if (!summary.missingSourceFile.empty())
    addError(report, summary.missingSourceFile, "Can't find file '" + summary.missingSourceFile + "'");
  report.stopped = events.stopRequested();
  report.status = exitStatusOf(summary, bError, report.stopped);
  finishReport(report);
}

void ProjectScanner::finishReport(ProjectReport& report) {
  eraseProgress();
  err_ << terminalSafe(report.runTime) << '\n';
  current_.reset();
}

void ProjectScanner::addError(ProjectReport& report, const std::string& file, const std::string& message) {
  printNotice("error", file, message);
  report.errors.push_back({file, message});
}

void ProjectScanner::addWarning(std::string_view file, const std::string& message) {
  printNotice("warning", file, message);
  if (current_) report_.projects[*current_].warnings.push_back({std::string(file), message});
}

// "scopster-scan: error: FILE: MESSAGE"; the file only once when the message names it.
void ProjectScanner::printNotice(std::string_view level, std::string_view file, std::string_view message) {
  eraseProgress();
  err_ << "scopster-scan: " << level << ": ";
  if (!file.empty() && message.find(file) == std::string_view::npos) err_ << terminalSafe(file) << ": ";
  err_ << terminalSafe(message) << '\n';
}

// The box names the file of a failure about a file in its last line.
void ProjectScanner::noteBox(const diagnostics::ShownBox& box) {
  eraseProgress();
  err_ << terminalText(box.title) << "\n";
  // The box's last line names the file in Windows-1252; the terminal has its
  // name as the system spells it.
  const std::size_t fileLine = box.prompt.rfind("\r\nFile: ");
  if (failedFile_.empty() || fileLine == std::string::npos) {
    err_ << terminalText(box.prompt) << "\n";
  } else {
    err_ << terminalText(box.prompt.substr(0, fileLine)) << "\nFile: " << terminalSafe(failedFile_) << "\n";
  }
  if (current_) report_.projects[*current_].errors.push_back({failedFile_, vb::cp1252ToUtf8(boxMessage(box.prompt))});
  failedFile_.clear();
}

void ProjectScanner::eraseProgress() {
  if (progress_ != nullptr) progress_->erase();
}

int combinedExitStatus(const ScanReport& report) {
  if (report.interrupted) return exit_status::Interrupted;
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
