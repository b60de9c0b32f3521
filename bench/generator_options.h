#pragma once
// What the project generator is asked for, and how its command line reads.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace bench {

struct GeneratorOptions {
  std::filesystem::path outputDir;
  int fileCount = 400;
  int lineCount = 300000;  // all source files together
  int declarationCount = 8000;
  double unusedShare = 0.15;
  double privateShare = 0.10;
  std::uint32_t seed = 1;
};

// Declared names carry a six-digit number.
inline constexpr int kMaxDeclarations = 999999;

// Throws std::invalid_argument naming the offending option.
GeneratorOptions parseGeneratorOptions(const std::vector<std::string>& args);
// Throws std::invalid_argument when the numbers cannot make a project.
void checkGeneratorOptions(const GeneratorOptions& options);
std::string generatorUsage();

}  // namespace bench
