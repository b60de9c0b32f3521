#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>
#include <string>

#include "bench/generate_project.h"
#include "bench/generator_options.h"
#include "cli/scan_command.h"
#include "tests/support/test_support.h"

namespace {

namespace fs = std::filesystem;
using bench::GeneratorOptions;

struct Verdicts {
  long unused = 0;
  long privates = 0;
};

// The engine's own verdicts on the project on disk, through scopster-scan:
// the generator's bookkeeping must agree with what its text really earns.
Verdicts scannedVerdicts(const fs::path& project) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = cli::runScanCommand({project.string()}, out, err);
  EXPECT_LE(status, cli::exit_status::Reported) << err.str();
  Verdicts verdicts;
  std::istringstream lines(out.str());
  for (std::string line; std::getline(lines, line);) {
    const std::string verdict = line.substr(std::min(line.find_first_not_of(' '), line.size()));
    verdicts.unused += verdict == "Unused";
    verdicts.privates += verdict == "Private";
  }
  return verdicts;
}

// files, lines, declarations, unused share, private share, seed; the folder is set at use.
const GeneratorOptions kRequests[] = {
    {{}, 20, 15000, 400, 0.15, 0.10, 1},  // usual shares
    {{}, 8, 4000, 120, 0.5, 0.4, 3},      // mostly reported
    {{}, 2, 600, 30, 0.2, 0.2, 4},        // two files, few lines
    {{}, 3, 200, 0, 0.15, 0.10, 5},       // no declarations
};

GeneratorOptions in(GeneratorOptions options, const fs::path& folder) {
  options.outputDir = folder;
  return options;
}

TEST(BenchGeneratorTest, ProjectEarnsThePromisedVerdicts) {
  for (const auto& request : kRequests) {
    SCOPED_TRACE(request.declarationCount);
    const test_support::TempDir dir;
    const auto figures = bench::generateProject(in(request, dir.path()));
    EXPECT_EQ(figures.expectedUnused, std::llround(request.declarationCount * request.unusedShare));
    EXPECT_EQ(figures.expectedPrivate, std::llround(request.declarationCount * request.privateShare));
    const Verdicts verdicts = scannedVerdicts(dir.path() / "Bench.vbp");
    EXPECT_EQ(verdicts.unused, figures.expectedUnused);
    EXPECT_EQ(verdicts.privates, figures.expectedPrivate);
  }
}

TEST(BenchGeneratorTest, RefusesRequestsItCannotMeet) {
  const test_support::TempDir dir;
  const std::pair<const char*, GeneratorOptions> bads[] = {
      {"lines too few for the declarations", {{}, 20, 500, 400, 0.15, 0.10, 1}},
      {"one file leaves no other file", {{}, 1, 1000, 10, 0.15, 0.10, 1}},
      {"shares above one", {{}, 20, 15000, 400, 0.6, 0.5, 1}},
      {"a file past 32767 lines", {{}, 2, 80000, 10, 0.15, 0.10, 1}},
  };
  for (const auto& [label, request] : bads)
    EXPECT_THROW(bench::generateProject(in(request, dir.path() / label)), std::invalid_argument) << label;

  dir.write("used/leftover.bas", "x");
  EXPECT_THROW(bench::generateProject(in(kRequests[0], dir.path() / "used")), std::runtime_error);
}

}  // namespace
