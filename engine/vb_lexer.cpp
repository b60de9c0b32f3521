#include "engine/vb_lexer.h"

#include <array>

#include "utilities/cp1252_case.h"

namespace engine {

namespace {
using ByteTable = std::array<bool, 256>;

constexpr ByteTable makeLetterTable() {
  ByteTable table{};
  for (int byte = 'A'; byte <= 'Z'; ++byte) table[static_cast<std::size_t>(byte)] = true;
  for (int byte = 'a'; byte <= 'z'; ++byte) table[static_cast<std::size_t>(byte)] = true;
  // The letters of Windows-1252 beyond ASCII: ƒ Š Œ Ž š œ ž Ÿ ª µ º and
  // À..ÿ without × and ÷.
  for (const int byte : {0x83, 0x8A, 0x8C, 0x8E, 0x9A, 0x9C, 0x9E, 0x9F, 0xAA, 0xB5, 0xBA})
    table[static_cast<std::size_t>(byte)] = true;
  for (int byte = 0xC0; byte <= 0xFF; ++byte)
    if (byte != 0xD7 && byte != 0xF7) table[static_cast<std::size_t>(byte)] = true;
  return table;
}

constexpr ByteTable kLetters = makeLetterTable();

constexpr ByteTable makeNameTable() {
  ByteTable table = kLetters;
  for (int byte = '0'; byte <= '9'; ++byte) table[static_cast<std::size_t>(byte)] = true;
  table['_'] = true;
  return table;
}

constexpr ByteTable kNameBytes = makeNameTable();
}  // namespace

bool isNameByte(unsigned char byte) { return kNameBytes[byte]; }
bool isLetterByte(unsigned char byte) { return kLetters[byte]; }

unsigned char foldByte(unsigned char byte) {
  return static_cast<unsigned char>(utilities::foldCaseCp1252(static_cast<char>(byte)));
}

bool sameName(std::string_view a, std::string_view b) { return utilities::equalsIgnoreCaseCp1252(a, b); }

void lexLine(std::string_view line, LexState& state, std::vector<Token>& tokens) {
  lexLine(line, state, [&](const Token& token) { tokens.push_back(token); });
}

namespace detail {

bool isBlank(unsigned char byte) { return byte <= ' '; }

bool endsInContinuation(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && isBlank(static_cast<unsigned char>(text[end - 1]))) --end;
  return end >= 2 && text[end - 1] == '_' && isBlank(static_cast<unsigned char>(text[end - 2]));
}

std::size_t literalLength(std::string_view text) {
  std::size_t at = 1;
  for (;;) {
    const std::size_t quote = text.find('"', at);
    if (quote == std::string_view::npos) return text.size();
    if (quote + 1 < text.size() && text[quote + 1] == '"') {
      at = quote + 2;  // a doubled quote stands for one quote inside
      continue;
    }
    return quote + 1;
  }
}

}  // namespace detail

}  // namespace engine
