#pragma once
// A form or module whose "Public" declarations are judged: its bytes, its
// declarations with the lines they cover, and the names whose events its
// handlers answer.

#include <algorithm>
#include <cstdint>
#include <cstring>
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
  const bool lf = ends == utilities::LineEnds::Any;
  const std::size_t size = bytes.size();
  // The next CR and LF at or after the current line, each found again only
  // once passed: linear, and memchr's speed.
  const auto next = [&](char byte, std::size_t from) {
    const void* found = std::memchr(bytes.data() + from, byte, size - from);
    return found == nullptr ? size : static_cast<std::size_t>(static_cast<const char*>(found) - bytes.data());
  };
  std::size_t nextCr = next('\r', 0);
  std::size_t nextLf = lf ? next('\n', 0) : size;
  std::int32_t number = 0;
  std::size_t at = 0;
  while (at < size) {
    if (nextCr < at) nextCr = next('\r', at);
    if (lf && nextLf < at) nextLf = next('\n', at);
    const std::size_t end = std::min(nextCr, nextLf);
    onLine(bytes.substr(at, end - at), ++number);
    if (end == size) return;
    at = end + 1;
    if (bytes[end] == '\r' && at < size && bytes[at] == '\n') ++at;
  }
}

}  // namespace engine
