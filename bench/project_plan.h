#pragma once
// The shape of a synthetic project, decided before any text is written: which
// file declares what, which verdict each declaration must earn, where its uses
// go, and how many filler lines each procedure gets. Every line except the
// filler is fixed here, so the line budget can be checked up front.

#include <cstddef>
#include <string>
#include <vector>

#include "bench/bench_random.h"
#include "bench/generator_options.h"

namespace bench {

enum class DeclarationKind { Sub, Function, Variable, Constant };

enum class Verdict {
  UsedElsewhere,  // some other file uses the name: not reported
  Private,        // used only in its own file, outside its own body
  Unused,         // used nowhere
};

struct Declaration {
  std::string name;
  std::string line;  // the whole "Public ..." line
  DeclarationKind kind = DeclarationKind::Sub;
  Verdict verdict = Verdict::UsedElsewhere;
  int file = 0;
  bool takesValue = false;   // Sub/Function: has "ByVal nValue As Long"
  std::string valueType;     // Variable/Constant: Long, String, Boolean or Double
};

struct Procedure {
  std::vector<std::string> opening;   // blank separator, header, Dim lines
  std::vector<std::string> required;  // uses of declared names, one line each
  std::vector<std::string> closing;   // return value, End line
  int declaration = -1;               // its Public declaration; -1 for private procedures
  bool isFunction = false;
  int fillerLines = 0;

  int fixedLineCount() const;
};

struct SourceFile {
  std::string moduleName;  // frmBench0001, modBench0002
  bool isForm = false;
  std::vector<std::string> top;  // form description, attributes, module-level declarations
  std::vector<Procedure> procedures;
  std::vector<std::string> localCalls;  // statements calling this file's private procedures

  std::string fileName() const { return moduleName + (isForm ? ".frm" : ".bas"); }
  int fixedLineCount() const;
  int lineCount() const;  // fixed lines plus filler
};

struct ProjectPlan {
  std::vector<Declaration> declarations;
  std::vector<SourceFile> files;
};

// Throws std::invalid_argument when the requested lines cannot hold the
// declarations and their uses, or a file would exceed the engine's line limit.
ProjectPlan planProject(const GeneratorOptions& options, BenchRandom& random);

int countVerdicts(const ProjectPlan& plan, Verdict verdict);

}  // namespace bench
