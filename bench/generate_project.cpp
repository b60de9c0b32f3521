#include "bench/generate_project.h"

#include "bench/bench_random.h"
#include "bench/project_plan.h"

namespace bench {

ProjectFigures generateProject(const GeneratorOptions& options) {
  BenchRandom random(options.seed);
  const ProjectPlan plan = planProject(options, random);
  return writeProject(plan, options.outputDir, random);
}

}  // namespace bench
