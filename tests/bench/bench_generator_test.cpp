#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
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

std::map<std::string, std::string> readFolder(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(folder))
    files[entry.path().filename().string()] = test_support::readFile(entry.path());
  return files;
}

TEST(BenchGeneratorTest, SameSeedWritesIdenticalBytesAndAnotherSeedDoesNot) {
  const test_support::TempDir dir;
  GeneratorOptions reseeded = kRequests[0];
  reseeded.seed = 99;
  bench::generateProject(in(kRequests[0], dir.path() / "first"));
  bench::generateProject(in(kRequests[0], dir.path() / "second"));
  bench::generateProject(in(reseeded, dir.path() / "reseeded"));
  const auto first = readFolder(dir.path() / "first");
  EXPECT_EQ(first, readFolder(dir.path() / "second"));
  EXPECT_NE(first, readFolder(dir.path() / "reseeded"));
}

TEST(BenchGeneratorTest, ProjectHasTheRequestedShapeAndEarnsThePromisedVerdicts) {
  for (const auto& request : kRequests) {
    SCOPED_TRACE(request.declarationCount);
    const test_support::TempDir dir;
    const auto figures = bench::generateProject(in(request, dir.path()));
    int lines = 0, declarations = 0, sources = 0;
    for (const auto& [name, bytes] : readFolder(dir.path())) {
      const auto extension = fs::path(name).extension();
      if (extension != ".frm" && extension != ".bas") continue;
      ++sources;
      std::istringstream text(bytes);
      for (std::string line; std::getline(text, line); ++lines) declarations += line.rfind("Public", 0) == 0;
    }
    EXPECT_EQ(sources, request.fileCount);
    EXPECT_EQ(lines, request.lineCount);
    EXPECT_EQ(figures.lines, request.lineCount);
    EXPECT_EQ(declarations, request.declarationCount);
    EXPECT_EQ(figures.forms + figures.modules, request.fileCount);
    EXPECT_EQ(figures.expectedUnused, std::llround(request.declarationCount * request.unusedShare));
    EXPECT_EQ(figures.expectedPrivate, std::llround(request.declarationCount * request.privateShare));
    const std::string names = test_support::readFile(dir.path() / "names.txt");
    EXPECT_EQ(std::count(names.begin(), names.end(), '\n'), request.declarationCount);
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
