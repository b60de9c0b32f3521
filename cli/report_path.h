#pragma once
// Paths as the reports show them. A path a project or group lists is
// Windows-1252; a path the system gives is native; a report shows UTF-8.

#include <filesystem>
#include <string>
#include <string_view>

namespace cli {

// True for a listed path holding ':' on a system without drive letters: it
// names a file on another machine's drive, never one here (Windows: false).
bool namesNoFileHere(std::string_view vbPath);

// The file opened for a listed path; where it names no file here, its text.
std::filesystem::path reportPath(std::string_view vbPath);

// A native path as UTF-8; generic: with "/" between its parts.
std::string utf8Path(const std::filesystem::path& path);
std::string utf8GenericPath(const std::filesystem::path& path);

}  // namespace cli
