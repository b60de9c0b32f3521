// scopster-bench-gen: writes a synthetic VB6 project whose verdicts are known
// in advance, for the benchmark script and for checking the engine at scale.

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "bench/generate_project.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << bench::generatorUsage();
    return 0;
  }
  try {
    const bench::ProjectFigures figures = bench::generateProject(bench::parseGeneratorOptions(args));
    std::cout << bench::describeFigures(figures);
    return 0;
  } catch (const std::invalid_argument& e) {
    std::cerr << "scopster-bench-gen: " << e.what() << "\n" << bench::generatorUsage();
  } catch (const std::exception& e) {
    std::cerr << "scopster-bench-gen: " << e.what() << "\n";
  }
  return 2;
}
