#pragma once
// Realistic procedure bodies around the planned uses: comments (' and Rem),
// string literals, Dim and Const lines, If/For/Do/Select blocks, With blocks
// with .Member lines, calls between the file's private procedures. Declared
// names appear in the filler only inside comments and literals, where they
// are no use, so the planned verdicts stay exact.

#include <string>
#include <vector>

#include "bench/bench_random.h"
#include "bench/project_plan.h"

namespace bench {

class FillerWriter {
 public:
  FillerWriter(const std::vector<Declaration>& declarations, BenchRandom& random)
      : declarations_(declarations), random_(random) {}

  // The procedure's required lines scattered among procedure.fillerLines
  // lines of filler.
  std::vector<std::string> body(const SourceFile& file, const Procedure& procedure);

 private:
  using Lines = std::vector<std::string>;
  using Maker = Lines (FillerWriter::*)();
  struct ChunkKind {
    int lines;
    int weight;
    Maker make;
  };

  Lines chunk(int maxLines);
  std::string mention();
  std::string commentText();
  std::string literalText();
  std::string plainStatement();

  Lines comment();
  Lines remComment();
  Lines assignment();
  Lines textAssignment();
  Lines localCall();
  Lines tempDim();
  Lines localConst();
  Lines trailingRem();
  Lines exitCheck();
  Lines debugPrint();
  Lines ifBlock();
  Lines forLoop();
  Lines withBlock();
  Lines ifElseBlock();
  Lines doLoop();
  Lines selectCase();
  Lines unindentedWith();

  static const std::vector<ChunkKind>& chunkKinds();

  const std::vector<Declaration>& declarations_;
  BenchRandom& random_;
  const SourceFile* file_ = nullptr;
  const Procedure* procedure_ = nullptr;
  int localNumber_ = 0;
};

}  // namespace bench
