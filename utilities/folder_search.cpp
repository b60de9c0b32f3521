#include "utilities/folder_search.h"

#include "utilities/cp1252_case.h"

namespace utilities {

bool namesNothing(const std::filesystem::path& path) {
  return path.native().find(std::filesystem::path::value_type('\0')) != std::filesystem::path::string_type::npos;
}

bool matchesWildcard(std::string_view pattern, std::string_view name) {
  std::size_t p = 0;
  std::size_t n = 0;
  std::size_t lastStar = std::string_view::npos;
  std::size_t nameAtStar = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      lastStar = p++;
      nameAtStar = n;
    } else if (p < pattern.size() &&
               (pattern[p] == '?' || foldCaseCp1252(pattern[p]) == foldCaseCp1252(name[n]))) {
      ++p;
      ++n;
    } else if (lastStar != std::string_view::npos) {
      // Let the last "*" swallow one more character and try again.
      p = lastStar + 1;
      n = ++nameAtStar;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace utilities
