#pragma once
// The text of Public declarations and of the statements that use them.

#include <string>
#include <vector>

#include "bench/bench_random.h"
#include "bench/project_plan.h"

namespace bench {

// DeclarationKind::Constant only for names used elsewhere: the engine cuts a
// Const line's name out as "Const", which every other file holds.
DeclarationKind drawKind(Verdict verdict, BenchRandom& random);

// A name of the form Stem_000042_: the fixed-width number between underscores
// keeps any two names from being substrings of each other or of filler words.
Declaration makeDeclaration(int number, DeclarationKind kind, Verdict verdict, int file,
                            BenchRandom& random);

// One indented statement that uses the declared name in code.
std::string useLine(const Declaration& declaration, BenchRandom& random);

// Zero or one recursive call, for the procedure's own body, where it is no use.
std::vector<std::string> recursiveCalls(const Declaration& declaration, BenchRandom& random);

// "    Name = nResult", the last statement of a Function.
std::string functionResultLine(const Declaration& declaration);

}  // namespace bench
