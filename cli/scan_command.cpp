#include "cli/scan_command.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <sstream>

#include "cli/project_scanner.h"
#include "cli/reports.h"
#include "cli/scan_options.h"
#include "cli/terminal_text.h"
#include "platform/application_info.h"

namespace cli {

namespace {
constexpr const char* kUsage =
    "Usage: scopster-scan [OPTION]... PROJECT.vbp|GROUP.vbg...\n"
    "Report the Public declarations of Visual Basic 6 projects that no other\n"
    "file of their project uses.\n"
    "\n"
    "Each project is analysed as a run of its own, in the order given; a project\n"
    "group (.vbg) stands for the projects its Project= and StartupProject= lines\n"
    "name, relative to the group file. A declaration is reported as \"Private\"\n"
    "when only its own file uses it, as \"Unused\" when nothing does.\n"
    "\n"
    "Options:\n"
    "  --format FORMAT     text (default): the result list, as the window shows it;\n"
    "                      tsv: a header, then verdict, file, line, name and\n"
    "                      declaration, one verdict a line; a line declaring\n"
    "                      several names (Public a, b As Long) lists them all\n"
    "                      in its name field, separated by \", \";\n"
    "                      json: one document with the verdicts, errors,\n"
    "                      warnings and a summary;\n"
    "                      sarif: a SARIF 2.1.0 log for code-scanning pages\n"
    "  --line-ends ENDS    crlf: lines end at CR, as VB6 reads them; a\n"
    "                      file with LF line ends only is one long line, and is\n"
    "                      warned about; any (default): lines end at CR LF, CR\n"
    "                      or LF, as an editor shows them\n"
    "  -h, --help          show this help and exit\n"
    "  --version           show the version and exit\n"
    "\n"
    "Errors and warnings go to standard error in every format; json and sarif\n"
    "carry them as well. Control characters reach a terminal as '?'. A project\n"
    "group names projects only, each run once however its path is spelt. Every\n"
    "error is answered with Abort once its message is printed; the error log\n"
    "Scopster.log records it.\n"
    "On a terminal, a run that takes longer than half a second shows its\n"
    "progress on standard error.\n"
    "\n"
    "Exit status:\n"
    "  0    every run ended and reported nothing\n"
    "  1    every run ended and some reported declarations\n"
    "  2    a run ended on a missing file or a failure, a group named a group,\n"
    "       or the results could not be written\n"
    "  64   usage error\n"
    "  130  interrupted (Ctrl+C or SIGTERM stops the run and prints what it\n"
    "       found; a second one ends the program at once)\n";

// Flushes out; false, with the reason on err, when what was written to it did
// not all arrive: results that never arrived must not read as a finished run.
bool flushed(std::ostream& out, std::ostream& err) {
  out.flush();
  if (out) return true;
  const int cause = errno;
  err << "scopster-scan: the results could not be written to standard output";
  if (cause != 0) err << " (" << std::strerror(cause) << ")";
  err << "\n";
  return false;
}
}  // namespace

std::string programVersion() {
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%d.%03d", static_cast<int>(platform::ApplicationInfo::kMajorVersion),
                static_cast<int>(platform::ApplicationInfo::kMinorVersion));
  return text.data();
}

int runScanCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   const std::atomic<bool>* stop, ProgressSettings progressSettings, bool outIsTerminal) {
  std::string problem;
  const std::optional<ScanOptions> options = parseScanOptions(arguments, problem);
  if (!options) {
    err << "scopster-scan: " << problem << "\n\n" << kUsage;
    return exit_status::Usage;
  }
  errno = 0;
  if (options->help) {
    out << kUsage;
    return flushed(out, err) ? exit_status::NothingReported : exit_status::Failed;
  }
  if (options->version) {
    out << "scopster-scan (" << platform::ApplicationInfo::kProductName << ") " << programVersion() << '\n';
    return flushed(out, err) ? exit_status::NothingReported : exit_status::Failed;
  }

  const bool progressShown = progressSettings.enabled;
  ProgressLine progress(err, std::move(progressSettings));
  ScanReport report;
  {
    ProjectScanner scanner(*options, err, stop, progressShown ? &progress : nullptr);
    report = scanner.run();
  }
  errno = 0;
  if (outIsTerminal) {
    std::ostringstream text;
    writeReport(options->format, report, text);
    out << terminalSafe(text.str(), true);
  } else {
    writeReport(options->format, report, out);
  }
  if (!flushed(out, err)) return exit_status::Failed;
  return report.status;
}

}  // namespace cli
