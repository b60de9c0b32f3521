#pragma once
// Runs the scan command in this process and keeps its exit status and what
// it wrote to each stream.

#include <atomic>
#include <chrono>
#include <sstream>
#include <string>
#include <vector>

#include "cli/scan_command.h"

namespace cli_test {

struct Result {
  int status;
  std::string out;
  std::string err;
};

// A progress line drawn from the start, as on a terminal that many columns
// wide (0: of unknown width).
inline cli::ProgressSettings terminalProgress(int columns = 0, bool escapeSequences = true) {
  cli::ProgressSettings settings;
  settings.enabled = true;
  settings.delay = std::chrono::milliseconds(0);
  settings.escapeSequences = escapeSequences;
  if (columns > 0) settings.columns = [columns] { return columns; };
  return settings;
}

inline Result scan(const std::vector<std::string>& arguments, cli::ProgressSettings progress = {},
                   const std::atomic<bool>* stop = nullptr, bool outIsTerminal = false) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = cli::runScanCommand(arguments, out, err, stop, std::move(progress), outIsTerminal);
  return {status, out.str(), err.str()};
}

}  // namespace cli_test
