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

}  // namespace utilities
