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
bool searchFolder(const HeldPath& path) {
  if (path.written.empty()) {
    const std::string pattern = wildcardPattern(path.native.filename());
    if (!hasWildcard(pattern)) return isVisibleFile(path.native);
    return anyVisibleMatch(nativeFolderOf(path.native), pattern);
  }
  const std::string_view folder = folderOf(path.written);
  const std::string_view name = std::string_view(path.written).substr(folder.size());
  if (!hasWildcard(name)) return isVisibleFile(nativePath(path));
  return anyVisibleMatch(nativePath(HeldPath(path.native, std::string(folder))), name);
}
}  // namespace

bool gbFileExists(const HeldPath& path, bool& bError) {
  if (path.native.empty() && path.written.empty()) return false;
  bool exists = false;
  diagnostics::ErrorTrap trap{"modFileExists", "gbFileExists", bError};
  if (!trap.step(1, [&] {
        try {
          exists = searchFolder(path);
        } catch (vb::VbError& failure) {
          failure.setFile(pathText(path));
          throw;
        }
      }))
    return false;
  return exists;
}

}  // namespace utilities
