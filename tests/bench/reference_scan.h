#pragma once
// A slow, line-by-line transcription of how the engine classifies Public
// declarations, independent of the generator's own bookkeeping: it reads only
// the files on disk, so it checks that the verdicts the generator promises
// are the ones its text really earns.

#include <filesystem>

namespace reference {

struct Verdicts {
  int unused = 0;
  int privates = 0;
};

Verdicts scanProject(const std::filesystem::path& projectFile);

}  // namespace reference
