#pragma once
// VB6 code cut into tokens the way the VB6 compiler sees it: string literals
// and comments are not code, and identifiers are compared without regard to
// case. Works on Windows-1252 bytes, one physical line at a time.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "utilities/cp1252_case.h"

namespace engine {

namespace detail {
enum ByteClass : std::uint8_t { kLetter = 1, kNamePart = 2, kBlank = 4 };
// Letters are ASCII's and Windows-1252's (ƒ Š Œ Ž š œ ž Ÿ ª µ º, À..ÿ
// without × and ÷), since VB6 accepts them in names.
constexpr std::array<std::uint8_t, 256> makeByteClasses() {
  std::array<std::uint8_t, 256> table{};
  const auto letter = [&](int byte) { table[static_cast<std::size_t>(byte)] = kLetter | kNamePart; };
  for (int byte = 'A'; byte <= 'Z'; ++byte) letter(byte);
  for (int byte = 'a'; byte <= 'z'; ++byte) letter(byte);
  for (const int byte : {0x83, 0x8A, 0x8C, 0x8E, 0x9A, 0x9C, 0x9E, 0x9F, 0xAA, 0xB5, 0xBA}) letter(byte);
  for (int byte = 0xC0; byte <= 0xFF; ++byte)
    if (byte != 0xD7 && byte != 0xF7) letter(byte);
  for (int byte = '0'; byte <= '9'; ++byte) table[static_cast<std::size_t>(byte)] = kNamePart;
  table['_'] = kNamePart;
  for (int byte = 0; byte <= ' '; ++byte) table[static_cast<std::size_t>(byte)] = kBlank;
  return table;
}
inline constexpr std::array<std::uint8_t, 256> kByteClasses = makeByteClasses();

}  // namespace detail

// Letters, digits and "_".
inline bool isNameByte(unsigned char byte) { return (detail::kByteClasses[byte] & detail::kNamePart) != 0; }
// True when the byte may begin a name: a letter.
inline bool isLetterByte(unsigned char byte) { return (detail::kByteClasses[byte] & detail::kLetter) != 0; }
// The byte's lower-case form under Windows-1252's case rules.
inline unsigned char foldByte(unsigned char byte) { return utilities::detail::kFoldTable[byte]; }
inline bool sameName(std::string_view a, std::string_view b) { return utilities::equalsIgnoreCaseCp1252(a, b); }

enum class TokenKind : std::uint8_t {
  Name,     // a run of name bytes, or the text inside [brackets]
  Literal,  // a string literal, quotes excluded
  Symbol,   // any other single byte that is not a blank
};

struct Token {
  TokenKind kind = TokenKind::Symbol;
  std::string_view text;
  bool bracketed = false;  // a [name], which may hold any text
  // A keyword is never bracketed: [Sub] is a name.
  bool is(std::string_view keyword) const {
    return kind == TokenKind::Name && !bracketed && sameName(text, keyword);
  }
  bool isSymbol(char symbol) const { return kind == TokenKind::Symbol && text.size() == 1 && text[0] == symbol; }
};

// What a line leaves for the next: a comment or a statement that ends in " _"
// goes on there.
struct LexState {
  bool commentGoesOn = false;
  bool statementGoesOn = false;
};

// Calls onToken(const Token&) for each token of the line's code, in order.
// The continuation mark " _" is not passed on.
template <typename OnToken>
void lexLine(std::string_view line, LexState& state, OnToken&& onToken);

// The line's tokens, appended to tokens.
void lexLine(std::string_view line, LexState& state, std::vector<Token>& tokens);

namespace detail {
bool endsInContinuation(std::string_view text);
inline bool isBlank(unsigned char byte) { return (kByteClasses[byte] & kBlank) != 0; }
// Length of the literal that opens at text[0] ('"'), closing quote included
// when there is one.
std::size_t literalLength(std::string_view text);
}  // namespace detail

template <typename OnToken>
void lexLine(std::string_view line, LexState& state, OnToken&& onToken) {
  if (state.commentGoesOn) {
    state.commentGoesOn = detail::endsInContinuation(line);
    return;
  }
  bool statementStart = !state.statementGoesOn;
  state.statementGoesOn = false;
  // The continuation mark is held back one token: only the line's last token
  // can be one.
  bool heldMark = false;
  const auto deliver = [&](const Token& token) {
    if (heldMark) onToken(Token{TokenKind::Name, "_"});
    heldMark = false;
    onToken(token);
  };
  std::size_t at = 0;
  while (at < line.size()) {
    const auto byte = static_cast<unsigned char>(line[at]);
    if (detail::isBlank(byte)) {
      ++at;
      continue;
    }
    if (byte == '\'') {
      state.commentGoesOn = detail::endsInContinuation(line);
      heldMark = false;
      break;
    }
    if (byte == '"') {
      const std::size_t length = detail::literalLength(line.substr(at));
      const std::size_t inner = length >= 2 && line[at + length - 1] == '"' ? length - 2 : length - 1;
      deliver(Token{TokenKind::Literal, line.substr(at + 1, inner)});
      at += length;
      statementStart = false;
      continue;
    }
    if (byte == '[') {
      const std::size_t close = line.find(']', at + 1);
      if (close != std::string_view::npos && close > at + 1) {
        deliver(Token{TokenKind::Name, line.substr(at + 1, close - at - 1), true});
        at = close + 1;
        statementStart = false;
        continue;
      }
    }
    if (isNameByte(byte)) {
      std::size_t end = at;
      while (end < line.size() && isNameByte(static_cast<unsigned char>(line[end]))) ++end;
      const std::string_view name = line.substr(at, end - at);
      if (statementStart && sameName(name, "Rem") &&
          (end == line.size() || detail::isBlank(static_cast<unsigned char>(line[end])))) {
        state.commentGoesOn = detail::endsInContinuation(line);
        heldMark = false;
        break;
      }
      const bool mark = name == "_" && (at == 0 || detail::isBlank(static_cast<unsigned char>(line[at - 1])));
      if (mark) {
        if (heldMark) onToken(Token{TokenKind::Name, "_"});
        heldMark = true;
      } else {
        deliver(Token{TokenKind::Name, name});
      }
      at = end;
      statementStart = false;
      continue;
    }
    // ":=" names an argument; a lone ":" separates statements.
    const bool assignment = byte == ':' && at + 1 < line.size() && line[at + 1] == '=';
    deliver(Token{TokenKind::Symbol, line.substr(at, assignment ? 2 : 1)});
    at += assignment ? 2 : 1;
    statementStart = byte == ':' && !assignment;
  }
  if (heldMark) state.statementGoesOn = !state.commentGoesOn;
}

}  // namespace engine
