#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <atomic>

#include "cli/console_session.h"

namespace cli {

namespace {
std::atomic<void (*)()> terminationHandler{nullptr};

extern "C" void onSigterm(int) {
  if (auto handler = terminationHandler.load()) handler();
}
}  // namespace

// A POSIX terminal takes UTF-8 and escape sequences as they come.
ConsoleSession::ConsoleSession() = default;
ConsoleSession::~ConsoleSession() = default;

bool standardOutputIsTerminal() { return ::isatty(STDOUT_FILENO) != 0; }
bool standardErrorIsTerminal() { return ::isatty(STDERR_FILENO) != 0; }

int standardErrorColumns() {
  winsize size{};
  if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) != 0) return 0;
  return size.ws_col;
}

void catchTermination(void (*onTerminate)()) {
  terminationHandler = onTerminate;
  struct sigaction action {};
  action.sa_handler = onSigterm;
  sigemptyset(&action.sa_mask);
  // A read or write the signal interrupts goes on; the run sees the stop later.
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGTERM, &action, nullptr);
}

}  // namespace cli
