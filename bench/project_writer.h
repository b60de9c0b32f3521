#pragma once
// Writes a planned project to disk: Bench.vbp, the forms and modules with
// CR LF line ends, names.txt (every declared name, one per line) and
// expected.txt (the figures below, which the benchmark script compares with).

#include <cstdint>
#include <filesystem>
#include <string>

#include "bench/bench_random.h"
#include "bench/project_plan.h"

namespace bench {

struct ProjectFigures {
  int forms = 0;
  int modules = 0;
  std::int64_t lines = 0;  // source lines, all files
  std::int64_t bytes = 0;  // Bench.vbp and the source files
  int declarations = 0;
  int expectedUnused = 0;
  int expectedPrivate = 0;
};

// The folder must be new or empty: stale files would join the project's sources.
// Throws std::runtime_error when it is not, or when a file cannot be written.
ProjectFigures writeProject(const ProjectPlan& plan, const std::filesystem::path& folder, BenchRandom& random);

// "key: value" lines, as printed and as stored in expected.txt.
std::string describeFigures(const ProjectFigures& figures);

}  // namespace bench
