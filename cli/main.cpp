#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <iostream>
#include <string>
#include <vector>

#include "cli/progress_line.h"
#include "cli/scan_command.h"

namespace {
std::atomic<bool> stopRequested{false};

// The first Ctrl+C asks the run to stop and print what it found; a second
// one means the user will not wait for that.
extern "C" void requestStop(int) {
  if (stopRequested.exchange(true)) ::_exit(cli::exit_status::Interrupted);
}

void catchInterrupt() {
  struct sigaction action {};
  action.sa_handler = requestStop;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGINT, &action, nullptr);
}
}  // namespace

int main(int argc, char** argv) {
  catchInterrupt();
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  cli::ProgressSettings progress;
  progress.enabled = cli::standardErrorIsTerminal();
  return cli::runScanCommand(arguments, std::cout, std::cerr, &stopRequested, progress);
}
