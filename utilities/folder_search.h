#pragma once
// What a folder search with the normal attributes finds: regular files (links
// followed) that are not hidden. On POSIX a name beginning with "." is our
// hidden file; on Windows the hidden and system attributes hide a file.

#include <filesystem>
#include <string>
#include <string_view>

namespace utilities {

// POSIX only: a name beginning with ".".
bool isHiddenName(const std::filesystem::path& path);

// POSIX only: errno values that mean "nothing by that name", as opposed to a search that failed.
bool isNotFoundErrno(int errnoValue);

// A path holding a NUL byte: the system would see only the part before it, so
// it names no file at all.
bool namesNothing(const std::filesystem::path& path);

// True when path names a regular, non-hidden file; false when nothing (or a
// folder, or another kind of entry) is there. Raises the file error when the
// lookup itself fails (name too long, permission denied, ...).
bool isVisibleFile(const std::filesystem::path& path);

// Folder-search matching of a Windows-1252 name: "*" any run, "?" exactly one
// character, letters compared without regard to case.
bool matchesWildcard(std::string_view pattern, std::string_view name);

// A native file name as a pattern for matchesWildcard: the name as an ANSI
// folder search sees it.
std::string wildcardPattern(const std::filesystem::path& name);

// True when some regular, non-hidden entry of folder matches pattern; false
// when the folder does not exist. Raises the file error when the folder cannot
// be searched.
bool anyVisibleMatch(const std::filesystem::path& folder, std::string_view pattern);

}  // namespace utilities
