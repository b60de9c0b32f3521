#include "utilities/vb_path.h"

#include <sys/stat.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "runtime/codepage.h"
#include "utilities/folder_listing_cache.h"

namespace utilities {

namespace {
namespace fs = std::filesystem;

bool hasDriveLetter(std::string_view vbPath) { return vbPath.size() >= 2 && vbPath[1] == ':'; }

bool isSeparator(char c) { return c == '\\' || c == '/'; }

bool isDotComponent(std::string_view component) { return component == "." || component == ".."; }

// The components of vbPath, empty ones (from doubled or leading separators) left out.
std::vector<std::string_view> splitComponents(std::string_view vbPath) {
  std::vector<std::string_view> components;
  std::size_t start = 0;
  while (start < vbPath.size()) {
    const auto end = std::find_if(vbPath.begin() + static_cast<std::ptrdiff_t>(start), vbPath.end(), isSeparator);
    const auto endIndex = static_cast<std::size_t>(end - vbPath.begin());
    if (endIndex > start) components.push_back(vbPath.substr(start, endIndex - start));
    start = endIndex + 1;
  }
  return components;
}

bool entryExists(const fs::path& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

// Walks vbPath from its start, replacing each component that does not exist
// with that spelling by its unique case-insensitive match. After the first
// component that cannot be matched, the rest stays as written.
fs::path matchCaseByComponent(const fs::path& base, std::string_view vbPath) {
  fs::path result = base.empty() && isSeparator(vbPath.front()) ? fs::path("/") : base;
  bool resolving = true;
  for (const std::string_view component : splitComponents(vbPath)) {
    std::string native = vb::cp1252ToUtf8(component);
    if (resolving && !isDotComponent(component) && !entryExists(result / native)) {
      std::optional<std::string> match = uniqueEntryIgnoringCase(result, component);
      if (match) {
        native = std::move(*match);
      } else {
        resolving = false;
      }
    }
    result /= native;
  }
  if (isSeparator(vbPath.back())) result /= "";
  return result;
}
}  // namespace

std::filesystem::path nativePath(const HeldPath& path) {
  const std::string_view vbPath = path.written;
  if (path.native.empty() && hasDriveLetter(vbPath)) return fs::path(vb::cp1252ToUtf8(vbPath));
  if (vbPath.empty()) return path.native;
  std::string written = vb::cp1252ToUtf8(vbPath);
  std::replace(written.begin(), written.end(), '\\', '/');
  fs::path asWritten(path.native.native() + written);
  // The usual case costs one lookup; only a miss walks the folders.
  if (entryExists(asWritten)) return asWritten;
  return matchCaseByComponent(path.native, vbPath);
}

std::string pathText(const std::filesystem::path& path) { return path.native(); }

std::filesystem::path pathFromText(std::string_view utf8) { return fs::path(std::string(utf8)); }

std::filesystem::path nativeFolderOf(const std::filesystem::path& path) {
  const std::size_t cut = path.native().find_last_of('/');
  return cut == std::string::npos ? fs::path() : fs::path(path.native().substr(0, cut + 1));
}

}  // namespace utilities
