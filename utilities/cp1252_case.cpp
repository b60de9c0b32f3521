#include "utilities/cp1252_case.h"

namespace utilities {

bool equalsIgnoreCaseCp1252(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (foldCaseCp1252(a[i]) != foldCaseCp1252(b[i])) return false;
  return true;
}

}  // namespace utilities
