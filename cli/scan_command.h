#pragma once
// scopster-scan: one whole analysis from a terminal.

#include <atomic>
#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

namespace exit_status {
inline constexpr int NothingReported = 0;
inline constexpr int Reported = 1;
inline constexpr int Failed = 2;
inline constexpr int Usage = 64;
inline constexpr int Interrupted = 130;
}  // namespace exit_status

// Runs the command with its arguments (without the program name); the result
// list goes to out, boxes and the final run-time label to err.
int runScanCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   const std::atomic<bool>* stop = nullptr);

}  // namespace cli
