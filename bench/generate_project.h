#pragma once
// One call from options to a project on disk.

#include "bench/generator_options.h"
#include "bench/project_writer.h"

namespace bench {

// Same options, same bytes. Throws std::invalid_argument for options that
// cannot make a project and std::runtime_error for file-system failures.
ProjectFigures generateProject(const GeneratorOptions& options);

}  // namespace bench
