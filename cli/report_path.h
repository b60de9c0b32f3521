#pragma once
// Paths as the reports show them. A path a project or group lists is
// Windows-1252 joined to a native folder; a report shows UTF-8.

#include <filesystem>
#include <string>
#include <string_view>

#include "utilities/vb_path.h"

namespace cli {

// True for a listed path holding ':' on a system without drive letters: it
// names a file on another machine's drive, never one here (Windows: false).
bool namesNoFileHere(std::string_view vbPath);
bool namesNoLocalFile(const utilities::HeldPath& path);

// The file opened for a path; where it names no file here, its text.
std::filesystem::path reportPath(const utilities::HeldPath& path);
// The file a path text (UTF-8, as a report shows it) names.
std::filesystem::path reportPathOfText(std::string_view utf8);

// A native path as UTF-8; generic: with "/" between its parts.
std::string utf8Path(const std::filesystem::path& path);
std::string utf8GenericPath(const std::filesystem::path& path);

}  // namespace cli
