#pragma once
// Runs the scan command in this process and keeps its exit status and what
// it wrote to each stream.

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

inline Result scan(const std::vector<std::string>& arguments, cli::ProgressSettings progress = {}) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = cli::runScanCommand(arguments, out, err, nullptr, progress);
  return {status, out.str(), err.str()};
}

}  // namespace cli_test
