#pragma once
// Paths as VB6 projects write them (backslashes, drive letters, the spelling of
// a case-insensitive file system) mapped to this file system.

#include <filesystem>
#include <string_view>

namespace utilities {

// vbPath is Windows-1252 text. "\" becomes "/"; a component that does not exist
// with its exact spelling is matched case-insensitively when exactly one entry
// of its folder matches. A path with a drive letter ("C:...") is opened as
// written. The result may name nothing.
std::filesystem::path nativePath(std::string_view vbPath);

// The folder part of a path as written: everything up to and including its
// last "\" or "/", empty when it has none; what follows is the file name.
inline std::string_view folderOf(std::string_view vbPath) {
  const std::size_t cut = vbPath.find_last_of("\\/");
  return cut == std::string_view::npos ? std::string_view() : vbPath.substr(0, cut + 1);
}

}  // namespace utilities
