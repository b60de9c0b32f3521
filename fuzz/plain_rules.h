#pragma once
// The engine's text rules read once more, as plainly as possible: slow, with
// no index and no 16-bit positions, to compare the engine against.

#include <string>
#include <string_view>
#include <vector>

namespace plain {

// Kept lines (element 0 unused) and the header, by the dot-comment rules.
std::vector<std::string> fileLines(std::string_view bytes, std::string& header);

std::string publicName(const std::string& declaration);

// The line with string literals, the apostrophe comment and the Rem comment removed.
std::string stripped(const std::string& line);

bool contains(std::string_view text, std::string_view name);

}  // namespace plain
