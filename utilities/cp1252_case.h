#pragma once
// Letter case in Windows-1252 text, compared the way a case-insensitive file
// system compares names.

#include <array>
#include <cstddef>
#include <string_view>

namespace utilities {

namespace detail {
constexpr std::array<unsigned char, 256> makeFoldTable() {
  std::array<unsigned char, 256> table{};
  for (std::size_t byte = 0; byte < table.size(); ++byte) table[byte] = static_cast<unsigned char>(byte);
  for (std::size_t byte = 'A'; byte <= 'Z'; ++byte) table[byte] = static_cast<unsigned char>(byte + 0x20);
  // À..Þ to à..þ, except the multiplication sign 0xD7.
  for (std::size_t byte = 0xC0; byte <= 0xDE; ++byte)
    if (byte != 0xD7) table[byte] = static_cast<unsigned char>(byte + 0x20);
  table[0x8A] = 0x9A;  // Š š
  table[0x8C] = 0x9C;  // Œ œ
  table[0x8E] = 0x9E;  // Ž ž
  table[0x9F] = 0xFF;  // Ÿ ÿ
  return table;
}
inline constexpr std::array<unsigned char, 256> kFoldTable = makeFoldTable();
}  // namespace detail

// The lower-case form of a Windows-1252 letter (ASCII, accented Latin-1, and
// the pairs Š/š, Œ/œ, Ž/ž, Ÿ/ÿ); other bytes unchanged. Inline: text
// scanners call it for every byte.
inline char foldCaseCp1252(char byte) {
  return static_cast<char>(detail::kFoldTable[static_cast<unsigned char>(byte)]);
}

bool equalsIgnoreCaseCp1252(std::string_view a, std::string_view b);

}  // namespace utilities
