#pragma once
// What a "Public" statement declares, read by the VB6 grammar:
//   Public [Static] Sub|Function NAME ...
//   Public Property Get|Let|Set NAME ...
//   Public Declare [PtrSafe] Sub|Function NAME Lib ...
//   Public Enum|Type|Event NAME ...
//   Public Const A [As T] = v, B = w
//   Public [WithEvents] A [As T], B(1 To 9) As T, C$
// Type suffixes and array bounds are not part of a name; [bracketed] names
// are names.

#include <optional>
#include <string_view>
#include <vector>

#include "engine/vb_lexer.h"

namespace engine {

enum class DeclarationKind { Sub, Function, Property, Declare, Enum, Type, Event, Variables, Const };

struct DeclaredName {
  std::string_view text;
  bool withEvents = false;
};

struct DeclarationSyntax {
  DeclarationKind kind = DeclarationKind::Variables;
  std::vector<DeclaredName> names;  // in the order of the statement
};

// The statement's tokens (all its continued lines); nothing when it does not
// begin with Public or declares no name.
std::optional<DeclarationSyntax> parseDeclaration(const std::vector<Token>& statement);

// A line's statements apart from ":": the names of all its Public ones, of
// the kind of the first that declares any ("Public A: Public B" declares A
// and B, "x = 1: Public A" declares A).
std::optional<DeclarationSyntax> parseDeclarations(const std::vector<Token>& line);

// The word after "End" that closes the declaration's body ("Sub" for a Sub),
// empty for a declaration without a body.
std::string_view bodyEndWord(DeclarationKind kind);

// A name as VB6 accepts one: a letter first, or any [bracketed] text.
bool isName(const Token& token);

}  // namespace engine
