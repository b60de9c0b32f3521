#include "engine/declaration_grammar.h"

namespace engine {

namespace {

struct Cursor {
  const std::vector<Token>& tokens;
  std::size_t at = 0;

  const Token* peek() const { return at < tokens.size() ? &tokens[at] : nullptr; }
  bool accept(std::string_view keyword) {
    if (at < tokens.size() && tokens[at].is(keyword)) {
      ++at;
      return true;
    }
    return false;
  }
};

std::optional<DeclarationSyntax> single(DeclarationKind kind, Cursor& cursor) {
  const Token* name = cursor.peek();
  if (name == nullptr || !isName(*name)) return std::nullopt;
  return DeclarationSyntax{kind, {DeclaredName{name->text, false}}};
}

// Skips to the comma that ends a list item; commas inside parentheses
// (array bounds, expressions) belong to the item.
void skipToItemEnd(Cursor& cursor) {
  int depth = 0;
  for (; cursor.at < cursor.tokens.size(); ++cursor.at) {
    const Token& token = cursor.tokens[cursor.at];
    if (token.isSymbol('(')) ++depth;
    else if (token.isSymbol(')') && depth > 0) --depth;
    else if (token.isSymbol(',') && depth == 0) return;
  }
}

std::optional<DeclarationSyntax> list(DeclarationKind kind, Cursor& cursor) {
  DeclarationSyntax syntax{kind, {}};
  while (cursor.peek() != nullptr) {
    const bool withEvents = kind == DeclarationKind::Variables && cursor.accept("WithEvents");
    const Token* name = cursor.peek();
    if (name != nullptr && isName(*name)) syntax.names.push_back(DeclaredName{name->text, withEvents});
    skipToItemEnd(cursor);
    if (cursor.peek() != nullptr) ++cursor.at;  // the comma
  }
  if (syntax.names.empty()) return std::nullopt;
  return syntax;
}

bool acceptProcedure(Cursor& cursor, DeclarationKind& kind) {
  if (cursor.accept("Sub")) kind = DeclarationKind::Sub;
  else if (cursor.accept("Function")) kind = DeclarationKind::Function;
  else return false;
  return true;
}

}  // namespace

bool isName(const Token& token) {
  if (token.kind != TokenKind::Name || token.text.empty()) return false;
  return token.bracketed || isLetterByte(static_cast<unsigned char>(token.text[0]));
}

std::optional<DeclarationSyntax> parseDeclaration(const std::vector<Token>& statement) {
  Cursor cursor{statement};
  if (!cursor.accept("Public")) return std::nullopt;
  DeclarationKind kind = DeclarationKind::Sub;
  if (cursor.accept("Static")) return acceptProcedure(cursor, kind) ? single(kind, cursor) : std::nullopt;
  if (acceptProcedure(cursor, kind)) return single(kind, cursor);
  if (cursor.accept("Property")) {
    if (!cursor.accept("Get") && !cursor.accept("Let") && !cursor.accept("Set")) return std::nullopt;
    return single(DeclarationKind::Property, cursor);
  }
  if (cursor.accept("Declare")) {
    cursor.accept("PtrSafe");
    if (!cursor.accept("Sub") && !cursor.accept("Function")) return std::nullopt;
    return single(DeclarationKind::Declare, cursor);
  }
  if (cursor.accept("Enum")) return single(DeclarationKind::Enum, cursor);
  if (cursor.accept("Type")) return single(DeclarationKind::Type, cursor);
  if (cursor.accept("Event")) return single(DeclarationKind::Event, cursor);
  if (cursor.accept("Const")) return list(DeclarationKind::Const, cursor);
  return list(DeclarationKind::Variables, cursor);
}

std::optional<DeclarationSyntax> parseDeclarations(const std::vector<Token>& line) {
  std::optional<DeclarationSyntax> all;
  std::vector<Token> statement;
  for (std::size_t at = 0; at <= line.size(); ++at) {
    if (at < line.size() && !line[at].isSymbol(':')) {
      statement.push_back(line[at]);
      continue;
    }
    if (std::optional<DeclarationSyntax> found = parseDeclaration(statement)) {
      if (!all) all = std::move(found);
      else all->names.insert(all->names.end(), found->names.begin(), found->names.end());
    }
    statement.clear();
  }
  return all;
}

std::string_view bodyEndWord(DeclarationKind kind) {
  switch (kind) {
    case DeclarationKind::Sub: return "Sub";
    case DeclarationKind::Function: return "Function";
    case DeclarationKind::Property: return "Property";
    case DeclarationKind::Enum: return "Enum";
    case DeclarationKind::Type: return "Type";
    default: return {};
  }
}

}  // namespace engine
