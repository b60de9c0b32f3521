#pragma once
// Folder listings kept for case-insensitive path lookups. Projects copied from
// Windows spell many names in another case than the disk: listing the folder
// once and keeping its case-folded names makes each lookup one hash probe.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace utilities {

// POSIX only (Windows file names ignore case already): the one entry of
// folder whose Windows-1252 name equals name apart from letter case; nothing
// when none or several do, or when the folder cannot be listed. While a FolderListingRun lives, each folder is listed once and kept
// (listed again only when its inode or modification time has changed);
// otherwise every call lists the folder afresh.
std::optional<std::string> uniqueEntryIgnoringCase(const std::filesystem::path& folder, std::string_view name);

// Keeps folder listings for its lifetime: one analysis run, which sees the
// folders as they were when it first looked. Does nothing on Windows.
class FolderListingRun {
 public:
  FolderListingRun();
  ~FolderListingRun();
  FolderListingRun(const FolderListingRun&) = delete;
  FolderListingRun& operator=(const FolderListingRun&) = delete;
};

}  // namespace utilities
