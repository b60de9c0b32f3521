#include "utilities/cp1252_case.h"

#include <array>
#include <cstddef>

namespace utilities {

namespace {
using FoldTable = std::array<unsigned char, 256>;

constexpr FoldTable makeFoldTable() {
  FoldTable table{};
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

constexpr FoldTable kFoldTable = makeFoldTable();
}  // namespace

char foldCaseCp1252(char byte) {
  return static_cast<char>(kFoldTable[static_cast<unsigned char>(byte)]);
}

bool equalsIgnoreCaseCp1252(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (foldCaseCp1252(a[i]) != foldCaseCp1252(b[i])) return false;
  return true;
}

}  // namespace utilities
