#pragma once
// Paths as VB6 projects write them (backslashes, drive letters, the spelling of
// a case-insensitive file system) mapped to this file system.

#include <filesystem>
#include <string>
#include <string_view>

namespace utilities {

// A file the program opens: a native part as the operating system gave it (a
// project folder, a path from the command line or a dialog) and after it the
// rest as a project file writes it (Windows-1252, "\" or "/"). The written
// rest never changes the native part, so a name Windows-1252 cannot spell
// survives. A bare text is a written rest with no native part: an entry with a
// drive, or a path the way a project file would write it.
struct HeldPath {
  HeldPath() = default;
  HeldPath(std::filesystem::path nativePart, std::string writtenPart = {})
      : native(std::move(nativePart)), written(std::move(writtenPart)) {}
  HeldPath(std::string writtenPart) : written(std::move(writtenPart)) {}
  HeldPath(const char* writtenPart) : written(writtenPart) {}

  std::filesystem::path native;
  std::string written;
};

// The UTF-8 spelling of a native path, for texts and display.
std::string pathText(const std::filesystem::path& path);
// The native path a UTF-8 text (a typed or stored path) spells.
std::filesystem::path pathFromText(std::string_view utf8);
// The UTF-8 spelling of a held path: the native part, then the written rest.
std::string pathText(const HeldPath& path);

// The native folder part of a native path (up to its last separator), empty
// when it has none.
std::filesystem::path nativeFolderOf(const std::filesystem::path& path);

// The written rest joins the native part as text: on Windows converted from
// the ANSI code page; elsewhere from Windows-1252, "\" becomes "/", and a
// component of the rest that does not exist with its exact spelling is matched
// case-insensitively when exactly one entry of its folder matches. A rest with
// a drive letter ("C:...") and no native part is only converted. The result
// may name nothing.
std::filesystem::path nativePath(const HeldPath& path);

// The folder part of a path as written: everything up to and including its
// last "\" or "/", empty when it has none; what follows is the file name.
inline std::string_view folderOf(std::string_view vbPath) {
  const std::size_t cut = vbPath.find_last_of("\\/");
  return cut == std::string_view::npos ? std::string_view() : vbPath.substr(0, cut + 1);
}

}  // namespace utilities
