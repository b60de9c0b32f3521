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
  const std::string_view folder = folderOf(path);
  const std::string_view name = path.substr(folder.size());
  if (!hasWildcard(name)) return isVisibleFile(nativePath(path));
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
