#include "bench/line_budget.h"

#include <numeric>
#include <stdexcept>
#include <string>

namespace bench {
namespace {

std::int64_t fixedLines(const ProjectPlan& plan) {
  std::int64_t count = 0;
  for (const auto& file : plan.files) count += file.fixedLineCount();
  return count;
}

void giveFiller(SourceFile& file, std::int64_t filler, BenchRandom& random) {
  const auto shares = splitByWeights(filler, file.procedures.size(), random);
  for (std::size_t i = 0; i < shares.size(); ++i) file.procedures[i].fillerLines = static_cast<int>(shares[i]);
  if (file.lineCount() > kMaxLinesPerFile)
    throw std::invalid_argument("--lines: " + file.fileName() + " would get " + std::to_string(file.lineCount()) +
                                " lines, more than the engine's " + std::to_string(kMaxLinesPerFile) +
                                "; ask for more files");
}

}  // namespace

std::vector<std::int64_t> splitByWeights(std::int64_t total, std::size_t parts, BenchRandom& random) {
  if (parts == 0) return {};
  std::vector<std::int64_t> weights(parts);
  for (auto& weight : weights) weight = random.between(50, 149);
  const std::int64_t weightSum = std::accumulate(weights.begin(), weights.end(), std::int64_t{0});
  std::vector<std::int64_t> shares(parts);
  std::int64_t given = 0;
  for (std::size_t i = 0; i < parts; ++i) given += shares[i] = total * weights[i] / weightSum;
  // Rounding down leaves less than one line per part over.
  for (std::size_t i = 0; given < total; ++i, ++given) ++shares[i];
  return shares;
}

void assignFillerLines(ProjectPlan& plan, int lineCount, BenchRandom& random) {
  const std::int64_t fixed = fixedLines(plan);
  if (fixed > lineCount)
    throw std::invalid_argument("--lines: the declarations, their uses and the file frames need at least " +
                                std::to_string(fixed) + " lines");
  const auto perFile = splitByWeights(lineCount - fixed, plan.files.size(), random);
  for (std::size_t i = 0; i < plan.files.size(); ++i) giveFiller(plan.files[i], perFile[i], random);
}

}  // namespace bench
