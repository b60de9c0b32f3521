#include "utilities/folder_listing_cache.h"

#include <sys/stat.h>

#include <mutex>
#include <system_error>
#include <unordered_map>

#include "runtime/codepage.h"
#include "utilities/cp1252_case.h"

namespace utilities {

namespace {
namespace fs = std::filesystem;

struct FolderStamp {
  dev_t device = 0;
  ino_t inode = 0;
  timespec modified{};
  bool operator==(const FolderStamp& other) const {
    return device == other.device && inode == other.inode && modified.tv_sec == other.modified.tv_sec &&
           modified.tv_nsec == other.modified.tv_nsec;
  }
};

struct Listing {
  FolderStamp stamp;
  // Case-folded name -> the entry's own name; nothing when several entries fold alike.
  std::unordered_map<std::string, std::optional<std::string>> byFoldedName;
};

std::string folded(std::string_view cp1252Name) {
  std::string key(cp1252Name);
  for (char& c : key) c = foldCaseCp1252(c);
  return key;
}

std::optional<FolderStamp> stampOf(const fs::path& folder) {
  struct stat info {};
  if (::stat(folder.c_str(), &info) != 0) return std::nullopt;
  return FolderStamp{info.st_dev, info.st_ino, info.st_mtim};
}

// Nothing when the folder cannot be listed: the name is then used as written,
// and whoever opens the path meets (and reports) the real failure.
std::optional<Listing> listFolder(const fs::path& folder, const FolderStamp& stamp) {
  Listing listing{stamp, {}};
  std::error_code failure;
  fs::directory_iterator entry(folder, failure);
  for (; !failure && entry != fs::directory_iterator(); entry.increment(failure)) {
    std::string entryName = entry->path().filename().string();
    const std::string entryCp1252 = vb::utf8ToCp1252(entryName);
    // A name Windows-1252 cannot spell cannot be what the project meant.
    if (vb::cp1252ToUtf8(entryCp1252) != entryName) continue;
    const auto [at, added] = listing.byFoldedName.try_emplace(folded(entryCp1252), std::move(entryName));
    if (!added) at->second.reset();
  }
  if (failure) return std::nullopt;
  return listing;
}

std::mutex listingsLock;
int runsKeepingListings = 0;
std::unordered_map<std::string, Listing>& listings() {
  static std::unordered_map<std::string, Listing> kept;
  return kept;
}

std::optional<std::string> lookUp(const Listing& listing, std::string_view name) {
  const auto found = listing.byFoldedName.find(folded(name));
  if (found == listing.byFoldedName.end()) return std::nullopt;
  return found->second;
}
}  // namespace

std::optional<std::string> uniqueEntryIgnoringCase(const fs::path& folder, std::string_view name) {
  const fs::path where = folder.empty() ? fs::path(".") : folder;
  const std::optional<FolderStamp> stamp = stampOf(where);
  if (!stamp) return std::nullopt;
  const std::lock_guard<std::mutex> hold(listingsLock);
  if (runsKeepingListings == 0) {
    const std::optional<Listing> fresh = listFolder(where, *stamp);
    return fresh ? lookUp(*fresh, name) : std::nullopt;
  }
  auto kept = listings().find(where.native());
  if (kept == listings().end() || !(kept->second.stamp == *stamp)) {
    std::optional<Listing> fresh = listFolder(where, *stamp);
    if (!fresh) return std::nullopt;
    kept = listings().insert_or_assign(where.native(), std::move(*fresh)).first;
  }
  return lookUp(kept->second, name);
}

FolderListingRun::FolderListingRun() {
  const std::lock_guard<std::mutex> hold(listingsLock);
  ++runsKeepingListings;
}

FolderListingRun::~FolderListingRun() {
  const std::lock_guard<std::mutex> hold(listingsLock);
  if (--runsKeepingListings == 0) listings().clear();
}

}  // namespace utilities
