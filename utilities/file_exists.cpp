#include "utilities/file_exists.h"

#include <string_view>

#include "diagnostics/error_trap.h"
#include "runtime/vb_error.h"
#include "utilities/folder_search.h"
#include "utilities/vb_path.h"

namespace utilities {

namespace {
bool hasWildcard(std::string_view name) { return name.find_first_of("*?") != std::string_view::npos; }

// The last component is the file name or the pattern; the folder before it is
// mapped like any other path.
bool searchFolder(std::string_view path) {
  const std::size_t cut = path.find_last_of("\\/");
  const std::string_view name = cut == std::string_view::npos ? path : path.substr(cut + 1);
  if (!hasWildcard(name)) return isVisibleFile(nativePath(path));
  const std::string_view folder = cut == std::string_view::npos ? std::string_view() : path.substr(0, cut == 0 ? 1 : cut);
  return anyVisibleMatch(nativePath(folder), name);
}
}  // namespace

bool gbFileExists(std::string path, bool& bError) {
  if (path.empty()) return false;
  bool exists = false;
  diagnostics::ErrorTrap trap{"modFileExists", "gbFileExists", bError};
  if (!trap.step(1, [&] {
        try {
          exists = searchFolder(path);
        } catch (vb::VbError& failure) {
          failure.setFile(path);
          throw;
        }
      }))
    return false;
  return exists;
}

}  // namespace utilities
