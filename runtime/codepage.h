#pragma once
// All text inside the program is bytes in Windows-1252; these convert at the
// edges (widgets, terminal, file names).

#include <string>
#include <string_view>

namespace vb {

std::string cp1252ToUtf8(std::string_view bytes);
// Characters that Windows-1252 cannot hold become '?', as Windows converts them.
std::string utf8ToCp1252(std::string_view utf8);

}  // namespace vb
