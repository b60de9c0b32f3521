#pragma once
// Pieces of JSON and of file URIs, for the JSON and SARIF reports.

#include <filesystem>
#include <string>
#include <string_view>

namespace cli {

// A JSON string literal, quotes included. Text that is not valid UTF-8 (a
// file name on a file system that allows any bytes) has its bad bytes
// replaced by U+FFFD, so the document always parses.
std::string jsonString(std::string_view utf8);
// A JSON string literal from Windows-1252 text.
std::string jsonStringFrom1252(std::string_view text);
// Seconds with three decimals.
std::string jsonSeconds(double seconds);

// A URI reference for a path: each byte outside the unreserved characters
// and "/" is percent-encoded.
std::string uriPath(const std::string& path);
// True for a path that starts with a drive letter and a colon ("C:").
bool hasDriveLetter(std::string_view path);
// "file://" and the absolute path, ending in "/" for a folder when asked; a
// path with a drive letter gives "file:///C:/...".
std::string fileUri(const std::filesystem::path& absolute, bool folder = false);

}  // namespace cli
