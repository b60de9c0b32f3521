#pragma once
// Shares the requested line count out as filler: unevenly between files and
// between the procedures of a file, the way real projects are uneven.

#include <cstdint>
#include <vector>

#include "bench/bench_random.h"
#include "bench/project_plan.h"

namespace bench {

// The engine indexes a file's lines with a 16-bit signed number.
inline constexpr int kMaxLinesPerFile = 32767;

// Splits total into `parts` random shares (each weight 50..149) that add up
// exactly to total.
std::vector<std::int64_t> splitByWeights(std::int64_t total, std::size_t parts, BenchRandom& random);

// Sets every procedure's fillerLines so the files hold lineCount lines in all.
// Throws std::invalid_argument when the fixed lines alone exceed lineCount or a
// file would exceed kMaxLinesPerFile.
void assignFillerLines(ProjectPlan& plan, int lineCount, BenchRandom& random);

}  // namespace bench
