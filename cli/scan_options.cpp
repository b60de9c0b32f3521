#include "cli/scan_options.h"

#include <string_view>

namespace cli {

namespace {
std::optional<ReportFormat> formatNamed(std::string_view name) {
  if (name == "text") return ReportFormat::Text;
  if (name == "tsv") return ReportFormat::Tsv;
  if (name == "json") return ReportFormat::Json;
  if (name == "sarif") return ReportFormat::Sarif;
  return std::nullopt;
}

std::optional<utilities::LineEnds> lineEndsNamed(std::string_view name) {
  if (name == "crlf") return utilities::LineEnds::Crlf;
  if (name == "any") return utilities::LineEnds::Any;
  return std::nullopt;
}

// Walks the arguments, taking an option's value from "=value" or the next one.
class ArgumentWalk {
 public:
  explicit ArgumentWalk(const std::vector<std::string>& arguments) : arguments_(arguments) {}

  bool done() const { return next_ >= arguments_.size(); }
  std::string_view take() { return arguments_[next_++]; }
  std::optional<std::string_view> valueOf(std::string_view& option) {
    const std::size_t equals = option.find('=');
    if (equals != std::string_view::npos) {
      const std::string_view value = option.substr(equals + 1);
      option = option.substr(0, equals);
      return value;
    }
    if (done()) return std::nullopt;
    return take();
  }

 private:
  const std::vector<std::string>& arguments_;
  std::size_t next_ = 0;
};

bool takesValue(std::string_view option) {
  return option.starts_with("--format") || option.starts_with("--line-ends");
}

bool applyValueOption(std::string_view option, std::string_view value, ScanOptions& options, std::string& problem) {
  if (option == "--format") {
    const auto format = formatNamed(value);
    if (format) options.format = *format;
    else problem = "unknown format '" + std::string(value) + "' (text, tsv, json or sarif)";
    return format.has_value();
  }
  if (option == "--line-ends") {
    const auto ends = lineEndsNamed(value);
    if (ends) options.lineEnds = *ends;
    else problem = "unknown line ends '" + std::string(value) + "' (crlf or any)";
    return ends.has_value();
  }
  problem = "unknown option '" + std::string(option) + "'";
  return false;
}

bool applyOption(std::string_view option, ArgumentWalk& walk, ScanOptions& options, std::string& problem) {
  if (option == "--help" || option == "-h") {
    options.help = true;
    return true;
  }
  if (option == "--version") {
    options.version = true;
    return true;
  }
  if (!takesValue(option)) {
    problem = "unknown option '" + std::string(option) + "'";
    return false;
  }
  const std::optional<std::string_view> value = walk.valueOf(option);
  if (!value) {
    problem = "option '" + std::string(option) + "' needs a value";
    return false;
  }
  return applyValueOption(option, *value, options, problem);
}
}  // namespace

std::optional<ScanOptions> parseScanOptions(const std::vector<std::string>& arguments, std::string& problem) {
  ScanOptions options;
  ArgumentWalk walk(arguments);
  bool optionsEnded = false;
  while (!walk.done()) {
    const std::string_view argument = walk.take();
    if (!optionsEnded && argument == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && argument.starts_with("-") && argument.size() > 1) {
      if (!applyOption(argument, walk, options, problem)) return std::nullopt;
    } else if (argument.empty()) {
      problem = "an empty project name";
      return std::nullopt;
    } else {
      options.inputs.emplace_back(argument);
    }
  }
  if (options.inputs.empty() && !options.help && !options.version) {
    problem = "no project named";
    return std::nullopt;
  }
  return options;
}

}  // namespace cli
