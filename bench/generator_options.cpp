#include "bench/generator_options.h"

#include <charconv>
#include <stdexcept>
#include <string_view>

namespace bench {
namespace {

template <typename Number>
Number parseNumber(std::string_view option, std::string_view text) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size())
    throw std::invalid_argument(std::string(option) + ": not a number: '" + std::string(text) + "'");
  return value;
}

void applyOption(GeneratorOptions& options, std::string_view option, std::string_view value) {
  if (option == "--out") options.outputDir = std::string(value);
  else if (option == "--files") options.fileCount = parseNumber<int>(option, value);
  else if (option == "--lines") options.lineCount = parseNumber<int>(option, value);
  else if (option == "--declarations") options.declarationCount = parseNumber<int>(option, value);
  else if (option == "--unused") options.unusedShare = parseNumber<double>(option, value);
  else if (option == "--private") options.privateShare = parseNumber<double>(option, value);
  else if (option == "--seed") options.seed = parseNumber<std::uint32_t>(option, value);
  else throw std::invalid_argument("unknown option '" + std::string(option) + "'");
}

void require(bool condition, const std::string& message) {
  if (!condition) throw std::invalid_argument(message);
}

}  // namespace

GeneratorOptions parseGeneratorOptions(const std::vector<std::string>& args) {
  GeneratorOptions options;
  for (std::size_t i = 0; i < args.size(); i += 2) {
    if (i + 1 >= args.size()) throw std::invalid_argument(args[i] + ": value missing");
    applyOption(options, args[i], args[i + 1]);
  }
  checkGeneratorOptions(options);
  return options;
}

void checkGeneratorOptions(const GeneratorOptions& options) {
  require(!options.outputDir.empty(), "--out: an output folder is needed");
  // A use "in another file" needs a second file.
  require(options.fileCount >= 2, "--files: at least 2");
  require(options.lineCount > 0, "--lines: must be positive");
  require(options.declarationCount >= 0 && options.declarationCount <= kMaxDeclarations,
          "--declarations: 0 to " + std::to_string(kMaxDeclarations));
  require(options.unusedShare >= 0 && options.unusedShare <= 1, "--unused: a share from 0 to 1");
  require(options.privateShare >= 0 && options.privateShare <= 1, "--private: a share from 0 to 1");
  require(options.unusedShare + options.privateShare <= 1, "--unused plus --private exceed 1");
}

std::string generatorUsage() {
  return "usage: scopster-bench-gen --out DIR [--files N] [--lines N] [--declarations N]\n"
         "                          [--unused SHARE] [--private SHARE] [--seed N]\n"
         "Writes a synthetic VB6 project (Bench.vbp, forms, modules, names.txt,\n"
         "expected.txt) into DIR, which must be new or empty.\n"
         "Defaults: --files 400 --lines 300000 --declarations 8000 --unused 0.15\n"
         "          --private 0.10 --seed 1\n";
}

}  // namespace bench
