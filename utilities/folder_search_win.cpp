#include <windows.h>

#include <string>

#include "platform/windows_error.h"
#include "platform/windows_text.h"
#include "utilities/folder_search.h"

namespace utilities {

namespace {
constexpr DWORD kNotNormal = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

bool isNotFound(DWORD systemError) {
  return systemError == ERROR_FILE_NOT_FOUND || systemError == ERROR_PATH_NOT_FOUND ||
         systemError == ERROR_NO_MORE_FILES || systemError == ERROR_DIRECTORY;
}

// A folder search's listing, closed on every way out.
class FolderListing {
 public:
  explicit FolderListing(const std::filesystem::path& folder)
      : handle_(::FindFirstFileW((folder / L"*").c_str(), &entry_)) {
    if (handle_ == INVALID_HANDLE_VALUE) error_ = ::GetLastError();
  }
  ~FolderListing() {
    if (handle_ != INVALID_HANDLE_VALUE) ::FindClose(handle_);
  }
  FolderListing(const FolderListing&) = delete;
  FolderListing& operator=(const FolderListing&) = delete;

  // The open failure's code, 0 when the listing is open.
  DWORD error() const { return error_; }
  const WIN32_FIND_DATAW& entry() const { return entry_; }
  // Moves to the next entry; false at the end. Raises when reading fails.
  bool next() {
    if (::FindNextFileW(handle_, &entry_)) return true;
    const DWORD failure = ::GetLastError();
    if (failure != ERROR_NO_MORE_FILES) throw platform::fileErrorFromWindows(failure);
    return false;
  }

 private:
  WIN32_FIND_DATAW entry_{};
  HANDLE handle_;
  DWORD error_ = 0;
};
}  // namespace

bool isVisibleFile(const std::filesystem::path& path) {
  if (path.empty() || namesNothing(path)) return false;
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD failure = ::GetLastError();
    if (isNotFound(failure) || failure == ERROR_INVALID_NAME) return false;
    throw platform::fileErrorFromWindows(failure);
  }
  return (attributes & kNotNormal) == 0;
}

std::string wildcardPattern(const std::filesystem::path& name) { return platform::ansiFromWide(name.native()); }

bool anyVisibleMatch(const std::filesystem::path& folder, std::string_view pattern) {
  if (namesNothing(folder)) return false;
  FolderListing listing(folder.empty() ? std::filesystem::path(L".") : folder);
  if (listing.error() != 0) {
    if (isNotFound(listing.error())) return false;
    throw platform::fileErrorFromWindows(listing.error());
  }
  do {
    const WIN32_FIND_DATAW& entry = listing.entry();
    if ((entry.dwFileAttributes & kNotNormal) != 0) continue;
    if (matchesWildcard(pattern, platform::ansiFromWide(entry.cFileName))) return true;
  } while (listing.next());
  return false;
}

}  // namespace utilities
