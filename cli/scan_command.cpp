#include "cli/scan_command.h"

#include <ostream>

#include "cli/terminal_run_view.h"
#include "diagnostics/error_handler.h"
#include "diagnostics/scripted_dialogs.h"
#include "engine/analyser.h"
#include "runtime/codepage.h"

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
    "  2    the run ended on a missing file or a failure\n"
    "  64   usage error\n"
    "  130  interrupted (Ctrl+C stops the run and prints what it found)\n";

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
}  // namespace

int runScanCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   const std::atomic<bool>* stop) {
  if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
    out << kUsage;
    return 0;
  }
  if (arguments.size() != 1 || arguments[0].empty() || arguments[0][0] == '-') {
    err << kUsage;
    return exit_status::Usage;
  }

  diagnostics::ScriptedDialogs dialogs(diagnostics::msgbox::Abort);
  dialogs.onBox([&err](const diagnostics::ShownBox& box) {
    err << terminalText(box.title) << "\n" << terminalText(box.prompt) << "\n";
  });
  const diagnostics::ErrorHandlerSetup previous = diagnostics::errorHandlerSetup();
  diagnostics::installErrorHandler(diagnostics::defaultErrorHandlerSetup(&dialogs));

  TerminalRunView view(vb::utf8ToCp1252(arguments[0]), stop);
  engine::Analyser analyser(view);
  bool bError = false;
  analyser.mAnalyse(bError);
  diagnostics::installErrorHandler(previous);

  for (const std::string& line : view.lines()) out << vb::cp1252ToUtf8(line) << '\n';
  out.flush();
  err << vb::cp1252ToUtf8(view.runTimeCaption()) << '\n';
  return exitStatusOf(analyser.lastRun(), bError, view.stopRequested());
}

}  // namespace cli
