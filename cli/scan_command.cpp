#include "cli/scan_command.h"

#include <cerrno>
#include <cstring>
#include <ostream>

#include "cli/terminal_run_view.h"
#include "diagnostics/error_handler.h"
#include "diagnostics/scripted_dialogs.h"
#include "engine/analyser.h"
#include "runtime/codepage.h"
#include "runtime/vb_error.h"

namespace cli {

namespace {
constexpr const char* kUsage =
    "Usage: scopster-scan PROJECT.vbp\n"
    "\n"
    "Analyses the Visual Basic 6 project PROJECT.vbp and prints, one line per\n"
    "line of the result list, every Public declaration that no other file of\n"
    "the project uses: \"Private\" when only its own file uses it, \"Unused\" when\n"
    "nothing does. The final run time goes to standard error.\n"
    "\n"
    "Every error is answered with Abort after its message is printed to\n"
    "standard error; the error log Scopster.log records it as usual.\n"
    "\n"
    "Exit status:\n"
    "  0    the run ended and reported nothing\n"
    "  1    the run ended and reported declarations\n"
    "  2    the run ended on a missing file or a failure, or the results\n"
    "       could not be written\n"
    "  64   usage error\n"
    "  130  interrupted (Ctrl+C stops the run and prints what it found; a\n"
    "       second Ctrl+C ends the program at once)\n";

// Message box text for a terminal: CR LF becomes a newline.
std::string terminalText(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return vb::cp1252ToUtf8(out);
}

int exitStatusOf(const engine::RunSummary& summary, bool bError, bool stopped) {
  if (bError || summary.projectMissing) return exit_status::Failed;
  if (stopped) return exit_status::Interrupted;
  return summary.reported > 0 ? exit_status::Reported : exit_status::NothingReported;
}

// Prints each box as it is answered; a failure about a file also names the
// file, which the box itself does not.
class TerminalBoxes {
 public:
  explicit TerminalBoxes(std::ostream& err) : err_(err) {
    dialogs_.onBox([this](const diagnostics::ShownBox& box) { print(box); });
  }
  diagnostics::Dialogs* dialogs() { return &dialogs_; }
  void noteFailure(const vb::VbError& failure) { failedFile_ = failure.file(); }

 private:
  void print(const diagnostics::ShownBox& box) {
    err_ << terminalText(box.title) << "\n" << terminalText(box.prompt) << "\n";
    if (!failedFile_.empty()) err_ << "File: " << vb::cp1252ToUtf8(failedFile_) << "\n";
    failedFile_.clear();
  }

  std::ostream& err_;
  diagnostics::ScriptedDialogs dialogs_{diagnostics::msgbox::Abort};
  std::string failedFile_;
};

// The result list; false, with the reason on err, when it could not all be
// written: results that never arrived must not read as a finished run.
bool printResults(const std::vector<std::string>& lines, std::ostream& out, std::ostream& err) {
  errno = 0;
  for (const std::string& line : lines) out << vb::cp1252ToUtf8(line) << '\n';
  out.flush();
  if (out) return true;
  const int cause = errno;
  err << "scopster-scan: the results could not be written to standard output";
  if (cause != 0) err << " (" << std::strerror(cause) << ")";
  err << "\n";
  return false;
}
}  // namespace

int runScanCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   const std::atomic<bool>* stop) {
  if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
    out << kUsage;
    out.flush();
    return out ? 0 : exit_status::Failed;
  }
  if (arguments.size() != 1 || arguments[0].empty() || arguments[0][0] == '-') {
    err << kUsage;
    return exit_status::Usage;
  }

  TerminalBoxes boxes(err);
  const diagnostics::ErrorHandlerSetup previous = diagnostics::errorHandlerSetup();
  diagnostics::ErrorHandlerSetup setup = diagnostics::defaultErrorHandlerSetup(boxes.dialogs());
  setup.beforeAsking = [&boxes](const vb::VbError& failure) { boxes.noteFailure(failure); };
  diagnostics::installErrorHandler(std::move(setup));

  TerminalRunView view(vb::utf8ToCp1252(arguments[0]), stop);
  engine::Analyser analyser(view);
  bool bError = false;
  analyser.mAnalyse(bError);
  diagnostics::installErrorHandler(previous);

  const bool printed = printResults(view.lines(), out, err);
  err << vb::cp1252ToUtf8(view.runTimeCaption()) << '\n';
  if (!printed) return exit_status::Failed;
  return exitStatusOf(analyser.lastRun(), bError, view.stopRequested());
}

}  // namespace cli
