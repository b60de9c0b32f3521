#pragma once
// scopster-scan: the analysis run from a terminal, for people and for CI.

#include <atomic>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/progress_line.h"

namespace cli {

namespace exit_status {
inline constexpr int NothingReported = 0;
inline constexpr int Reported = 1;
inline constexpr int Failed = 2;
inline constexpr int Usage = 64;
inline constexpr int Interrupted = 130;
}  // namespace exit_status

// Runs the command with its arguments (without the program name); the report
// goes to out; boxes, errors, warnings, progress and run-time labels to err.
// On a terminal (outIsTerminal) the report shows control bytes as '?'.
int runScanCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   const std::atomic<bool>* stop = nullptr, ProgressSettings progress = {},
                   bool outIsTerminal = false);

// "0.916": major, ".", minor with at least three digits.
std::string programVersion();

}  // namespace cli
