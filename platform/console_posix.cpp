#include "platform/console.h"

#include <signal.h>

#include <atomic>

namespace platform {

namespace {
std::atomic<void (*)()> interruptHandler{nullptr};

extern "C" void onSigint(int) {
  if (auto handler = interruptHandler.load()) handler();
}
}  // namespace

// POSIX streams never translate line ends.
void useBinaryStandardStreams() {}

std::vector<std::string> commandLineArguments(int argc, char** argv) {
  if (argc < 1) return {};
  return std::vector<std::string>(argv + 1, argv + argc);
}

void catchInterrupts(void (*onInterrupt)()) {
  interruptHandler = onInterrupt;
  struct sigaction action {};
  action.sa_handler = onSigint;
  sigemptyset(&action.sa_mask);
  // A read or write that Ctrl+C interrupts goes on; the run sees the stop later.
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGINT, &action, nullptr);
}

}  // namespace platform
