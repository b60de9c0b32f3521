#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>

#include "bench/generate_project.h"
#include "cli/scan_command.h"
#include "tests/support/test_support.h"

namespace {

struct Verdicts {
  long unused = 0;
  long privates = 0;
};

// The engine's own verdicts on the project on disk, through scopster-scan:
// the generator's bookkeeping must agree with what its text really earns.
Verdicts scannedVerdicts(const std::filesystem::path& project) {
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

struct Request {
  const char* label;
  int files;
  int lines;
  int declarations;
  double unused;
  double privates;
  std::uint32_t seed;
};

const Request kRequests[] = {
    {"usual shares", 20, 15000, 400, 0.15, 0.10, 1},
    {"nothing reported", 5, 3000, 60, 0.0, 0.0, 2},
    {"mostly reported", 8, 4000, 120, 0.5, 0.4, 3},
    {"two files, few lines", 2, 600, 30, 0.2, 0.2, 4},
    {"no declarations", 3, 200, 0, 0.15, 0.10, 5},
};

bench::GeneratorOptions optionsFor(const Request& r, const std::filesystem::path& folder) {
  bench::GeneratorOptions options;
  options.outputDir = folder;
  options.fileCount = r.files;
  options.lineCount = r.lines;
  options.declarationCount = r.declarations;
  options.unusedShare = r.unused;
  options.privateShare = r.privates;
  options.seed = r.seed;
  return options;
}

std::map<std::string, std::string> readFolder(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    files[entry.path().filename().string()] = test_support::readFile(entry.path());
  return files;
}

bool isSource(const std::string& fileName) {
  const auto extension = std::filesystem::path(fileName).extension();
  return extension == ".frm" || extension == ".bas";
}

TEST(BenchGeneratorTest, SameSeedWritesIdenticalBytesAndAnotherSeedDoesNot) {
  const test_support::TempDir dir;
  const Request& request = kRequests[0];
  bench::generateProject(optionsFor(request, dir.path() / "first"));
  bench::generateProject(optionsFor(request, dir.path() / "second"));
  Request reseeded = request;
  reseeded.seed = 99;
  bench::generateProject(optionsFor(reseeded, dir.path() / "reseeded"));

  const auto first = readFolder(dir.path() / "first");
  EXPECT_EQ(first, readFolder(dir.path() / "second"));
  EXPECT_NE(first, readFolder(dir.path() / "reseeded"));
}

TEST(BenchGeneratorTest, ProjectHasTheRequestedShape) {
  for (const auto& request : kRequests) {
    SCOPED_TRACE(request.label);
    const test_support::TempDir dir;
    const auto figures = bench::generateProject(optionsFor(request, dir.path()));
    int lines = 0, declarations = 0, sources = 0;
    for (const auto& [name, bytes] : readFolder(dir.path())) {
      if (!isSource(name)) continue;
      ++sources;
      std::istringstream text(bytes);
      for (std::string line; std::getline(text, line);) {
        ++lines;
        if (line.rfind("Public", 0) == 0) ++declarations;
      }
    }
    EXPECT_EQ(sources, request.files);
    EXPECT_EQ(lines, request.lines);
    EXPECT_EQ(figures.lines, request.lines);
    EXPECT_EQ(declarations, request.declarations);
    EXPECT_EQ(figures.forms + figures.modules, request.files);
    EXPECT_EQ(figures.expectedUnused, std::llround(request.declarations * request.unused));
    EXPECT_EQ(figures.expectedPrivate, std::llround(request.declarations * request.privates));
    const std::string names = test_support::readFile(dir.path() / "names.txt");
    EXPECT_EQ(std::count(names.begin(), names.end(), '\n'), request.declarations);
    EXPECT_EQ(test_support::readFile(dir.path() / "expected.txt"), bench::describeFigures(figures));
  }
}

TEST(BenchGeneratorTest, PromisedVerdictsAreWhatTheTextEarns) {
  for (const auto& request : kRequests) {
    SCOPED_TRACE(request.label);
    const test_support::TempDir dir;
    const auto figures = bench::generateProject(optionsFor(request, dir.path()));
    const Verdicts verdicts = scannedVerdicts(dir.path() / "Bench.vbp");
    EXPECT_EQ(verdicts.unused, figures.expectedUnused);
    EXPECT_EQ(verdicts.privates, figures.expectedPrivate);
  }
}

TEST(BenchGeneratorTest, RefusesRequestsItCannotMeet) {
  const test_support::TempDir dir;
  const Request good = kRequests[0];
  struct Bad {
    const char* label;
    Request request;
  };
  const Bad bads[] = {
      {"lines too few for the declarations", {"", 20, 500, 400, 0.15, 0.10, 1}},
      {"one file leaves no other file", {"", 1, 1000, 10, 0.15, 0.10, 1}},
      {"shares above one", {"", 20, 15000, 400, 0.6, 0.5, 1}},
      {"a file past 32767 lines", {"", 2, 80000, 10, 0.15, 0.10, 1}},
  };
  for (const auto& bad : bads)
    EXPECT_THROW(bench::generateProject(optionsFor(bad.request, dir.path() / bad.label)), std::invalid_argument)
        << bad.label;

  dir.write("used/leftover.bas", "x");
  EXPECT_THROW(bench::generateProject(optionsFor(good, dir.path() / "used")), std::runtime_error);
}

}  // namespace
