#pragma once
// The terminal scopster-scan writes to. A Windows console shows UTF-8 and
// obeys escape sequences only when asked to, and both settings belong to the
// console, not to the program: they are switched on for the run and put back
// at its end.

#include <cstdint>
#include <string>

namespace cli {

class ConsoleSession {
 public:
  ConsoleSession();
  ~ConsoleSession();
  ConsoleSession(const ConsoleSession&) = delete;
  ConsoleSession& operator=(const ConsoleSession&) = delete;

  // False when standard error is a console that ignores escape sequences.
  bool escapeSequences() const { return escapeSequences_; }
  // What could not be switched on, for a warning; empty when all went well.
  const std::string& problem() const { return problem_; }

 private:
  bool escapeSequences_ = true;
  std::string problem_;
  // The console's settings before the run (Windows).
  std::uint32_t outputCodePage_ = 0;
  std::uint32_t outputMode_ = 0;
  std::uint32_t errorMode_ = 0;
  bool outputIsConsole_ = false;
  bool errorIsConsole_ = false;
};

bool standardOutputIsTerminal();
bool standardErrorIsTerminal();

// The width of the terminal on standard error in columns; 0 when unknown.
int standardErrorColumns();

#ifndef _WIN32
// Calls onTerminate for each SIGTERM instead of ending the program (Windows
// ends a process without a signal it could catch). It runs in a signal
// handler, so it may only touch lock-free atomics or call std::_Exit.
void catchTermination(void (*onTerminate)());
#endif

}  // namespace cli
