#pragma once
// Letter case in Windows-1252 text, compared the way a case-insensitive file
// system compares names.

#include <string_view>

namespace utilities {

// The lower-case form of a Windows-1252 letter (ASCII, accented Latin-1, and
// the pairs Š/š, Œ/œ, Ž/ž, Ÿ/ÿ); other bytes unchanged.
char foldCaseCp1252(char byte);

bool equalsIgnoreCaseCp1252(std::string_view a, std::string_view b);

}  // namespace utilities
