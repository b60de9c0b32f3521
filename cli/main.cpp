#include <atomic>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "cli/console_session.h"
#include "cli/scan_command.h"
#include "platform/console.h"

namespace {
std::atomic<bool> stopRequested{false};

// The first Ctrl+C (or SIGTERM) asks the run to stop and print what it found;
// a second one means the user will not wait for that.
void requestStop() {
  if (stopRequested.exchange(true)) std::_Exit(cli::exit_status::Interrupted);
}
}  // namespace

int main(int argc, char** argv) {
  platform::catchInterrupts(requestStop);
#ifndef _WIN32
  cli::catchTermination(requestStop);
#endif
  platform::useBinaryStandardStreams();
  std::ios::sync_with_stdio(false);
  const cli::ConsoleSession console;
  if (!console.problem().empty()) std::cerr << "scopster-scan: warning: " << console.problem() << '\n';
  const std::vector<std::string> arguments = platform::commandLineArguments(argc, argv);
  cli::ProgressSettings progress;
  progress.enabled = cli::standardErrorIsTerminal();
  progress.escapeSequences = console.escapeSequences();
  progress.columns = cli::standardErrorColumns;
  return cli::runScanCommand(arguments, std::cout, std::cerr, &stopRequested, progress,
                             cli::standardOutputIsTerminal());
}
