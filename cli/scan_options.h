#pragma once
// The command line of scopster-scan.

#include <optional>
#include <string>
#include <vector>

#include "utilities/line_reader.h"

namespace cli {

enum class ReportFormat { Text, Tsv, Json, Sarif };

struct ScanOptions {
  ReportFormat format = ReportFormat::Text;
  utilities::LineEnds lineEnds = utilities::LineEnds::Any;
  std::vector<std::string> inputs;  // projects (.vbp) and groups (.vbg), as given
  bool help = false;
  bool version = false;
};

// The options, or nothing with the reason in problem. "--name value" and
// "--name=value" are both taken; "--" ends the options.
std::optional<ScanOptions> parseScanOptions(const std::vector<std::string>& arguments, std::string& problem);

}  // namespace cli
