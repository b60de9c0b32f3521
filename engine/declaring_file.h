#pragma once
// A form or module whose "Public" declarations are judged: its bytes, its
// declarations with the lines they cover, and the names whose events its
// handlers answer.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/declaration_grammar.h"
#include "utilities/line_reader.h"

namespace engine {

struct PublicDeclaration {
  std::string_view text;        // the statement's first line, whole
  std::int32_t line = 0;        // of that first line, from 1
  std::int32_t lastLine = 0;    // of the statement's last continued line
  std::int32_t bodyEnd = 0;     // the "End ..." line of its body, else lastLine
  DeclarationSyntax syntax;     // names are views into the file's bytes
  std::vector<std::string_view> enumMembers;
};

struct DeclaringFile {
  std::string content;
  std::vector<PublicDeclaration> declarations;
  // A form's controls and menus and its WithEvents variables: NAME_Event
  // procedures are their event handlers.
  std::vector<std::string_view> eventSources;
  std::int32_t lineCount = 0;
};

// Reads content's declarations. A form's designer block (from "VERSION" to
// the first "Attribute" line) names its controls.
void readDeclarations(DeclaringFile& file, utilities::LineEnds ends, bool isForm);

// Calls onLine(line, number) for each line of bytes, numbered from 1 as an
// editor numbers them (a last line without its end counts).
// LineEnds::Crlf ends lines at CR and CR LF only, as VB6 reads them.
template <typename OnLine>
void forEachLine(std::string_view bytes, utilities::LineEnds ends, OnLine&& onLine) {
  utilities::LineCursor cursor(bytes, ends);
  std::int32_t number = 0;
  while (!cursor.atEnd()) onLine(cursor.readLine(), ++number);
}

}  // namespace engine
