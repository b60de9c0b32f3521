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
fs::path matchCaseByComponent(std::string_view vbPath) {
  fs::path result = isSeparator(vbPath.front()) ? fs::path("/") : fs::path();
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

std::filesystem::path nativePath(std::string_view vbPath) {
  if (hasDriveLetter(vbPath)) return fs::path(std::string(vbPath));
  std::string written = vb::cp1252ToUtf8(vbPath);
  std::replace(written.begin(), written.end(), '\\', '/');
  fs::path asWritten(std::move(written));
  // The usual case costs one lookup; only a miss walks the folders.
  if (vbPath.empty() || entryExists(asWritten)) return asWritten;
  return matchCaseByComponent(vbPath);
}

}  // namespace utilities
