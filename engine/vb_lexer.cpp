#include "engine/vb_lexer.h"


namespace engine {

void lexLine(std::string_view line, LexState& state, std::vector<Token>& tokens) {
  lexLine(line, state, [&](const Token& token) { tokens.push_back(token); });
}

namespace detail {

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
