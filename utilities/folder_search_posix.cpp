#include "utilities/folder_search.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "runtime/codepage.h"
#include "runtime/vb_error.h"

namespace utilities {

namespace {
// An open folder listing, closed on every way out.
class FolderListing {
 public:
  explicit FolderListing(const std::filesystem::path& folder) : dir_(::opendir(folder.c_str())) {}
  ~FolderListing() {
    if (dir_ != nullptr) ::closedir(dir_);
  }
  FolderListing(const FolderListing&) = delete;
  FolderListing& operator=(const FolderListing&) = delete;

  bool isOpen() const { return dir_ != nullptr; }
  int fd() const { return ::dirfd(dir_); }
  // The next entry's name; nullptr at the end. Raises when reading fails.
  const char* next() {
    errno = 0;
    const dirent* entry = ::readdir(dir_);
    if (entry == nullptr && errno != 0) throw vb::VbError::fromErrno(errno);
    return entry == nullptr ? nullptr : entry->d_name;
  }

 private:
  DIR* dir_;
};

// Applies the common rule to a stat result: found regular file, nothing there, or a failed lookup.
bool regularFileFromStat(int statResult, const struct stat& info) {
  if (statResult == 0) return S_ISREG(info.st_mode);
  if (isNotFoundErrno(errno)) return false;
  throw vb::VbError::fromErrno(errno);
}

bool isVisibleEntry(const FolderListing& listing, const char* name) {
  if (name[0] == '.') return false;
  struct stat info {};
  return regularFileFromStat(::fstatat(listing.fd(), name, &info, 0), info);
}
}  // namespace

bool isHiddenName(const std::filesystem::path& path) {
  const std::string name = path.filename().string();
  return !name.empty() && name.front() == '.';
}

bool isNotFoundErrno(int errnoValue) { return errnoValue == ENOENT || errnoValue == ENOTDIR; }

bool isVisibleFile(const std::filesystem::path& path) {
  if (isHiddenName(path) || namesNothing(path)) return false;
  struct stat info {};
  return regularFileFromStat(::stat(path.c_str(), &info), info);
}

std::string wildcardPattern(const std::filesystem::path& name) { return vb::utf8ToCp1252(name.native()); }

bool anyVisibleMatch(const std::filesystem::path& folder, std::string_view pattern) {
  if (namesNothing(folder)) return false;
  FolderListing listing(folder.empty() ? std::filesystem::path(".") : folder);
  if (!listing.isOpen()) {
    if (isNotFoundErrno(errno)) return false;
    throw vb::VbError::fromErrno(errno);
  }
  while (const char* name = listing.next()) {
    // Names Windows-1252 cannot spell show with "?", as an ANSI folder search shows them.
    if (matchesWildcard(pattern, vb::utf8ToCp1252(name)) && isVisibleEntry(listing, name)) return true;
  }
  return false;
}

}  // namespace utilities
