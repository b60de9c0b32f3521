#pragma once
// A second, deliberately naive reading of what the analysis reports: every
// file is read line by line into plain strings and every question is answered
// by walking all the words again. Slow, but short enough to check by eye, so
// the tests and the fuzzer can hold the engine's result list against it.

#include <string>
#include <string_view>
#include <vector>

#include "utilities/line_reader.h"

namespace plain_reading {

// The result list of one run over the project at path (as typed): the path,
// then four lines per reported declaration, or the line that ended the run;
// shown as UTF-8, as the window shows it.
std::vector<std::string> resultList(const std::string& project,
                                    utilities::LineEnds ends = utilities::LineEnds::Any);

// Every code file the project lists, as listed and joined to its folder.
std::vector<std::string> codeFiles(const std::string& project,
                                   utilities::LineEnds ends = utilities::LineEnds::Any);

// The physical lines of bytes, without their ends.
std::vector<std::string> splitLines(std::string_view bytes, utilities::LineEnds ends);

// A piece of a line's code; literals and comments leave none but a Literal.
struct Word {
  enum Kind { Name, Literal, Symbol } kind = Symbol;
  std::string text;  // a [bracketed] name without its brackets
  bool bracketed = false;
};

// What a line hands on to the next one.
struct LineState {
  bool inComment = false;   // the comment goes on (it ended in " _")
  bool continued = false;   // the statement goes on
};

// The words of one physical line's code; the continuation mark is dropped.
std::vector<Word> codeWords(std::string_view line, LineState& state);

// The names a Public statement declares; empty when it declares none.
std::vector<std::string> declaredNames(const std::vector<Word>& statement);

}  // namespace plain_reading
