#pragma once
// The lexical rules of the engine: the declared name of a "Public" line, and
// whether a name survives once string literals and comments are removed.

#include <string>
#include <string_view>

namespace engine {

// The name cut out of a declaration line (never fails):
//  "Public Sub X(..."      -> X   (up to the first "(" from position 12)
//  "Public Function X(..." -> X   (up to the first "(" from position 17)
//  otherwise               -> the text from position 8 up to the first blank,
//                             or to the end of the line when there is none.
// Sub and Function lines without a "(" take the last rule, so that variables
// such as "Public Subtotal As Long" get their own name.
std::string publicNameOf(std::string_view declaration);

// Trapped ("frmScopster", "msGetPublicNameOnly"); the name, empty on failure.
std::string msGetPublicNameOnly(const std::string& sDeclaration, bool& bError);

// True when sName occurs in sLine once string literals, the apostrophe
// comment and the Rem comment are removed. Trapped ("frmScopster",
// "mbLiteralRemStripCheck"): a double quote or "Rem" found past position
// 32,767 raises Overflow.
bool mbLiteralRemStripCheck(std::string sLine, std::string sName, bool& bError);

// True when the first six characters are exactly "Public".
bool isPublicDeclaration(std::string_view line);

}  // namespace engine
