#pragma once
// One file's whole content, read with one open.

#include <filesystem>
#include <optional>
#include <string>

#include "utilities/vb_path.h"

namespace utilities {

// fileName is mapped with nativePath. Nothing
// when a folder search would not show the file (missing, a folder, hidden,
// a special file, a name holding a NUL); raises the file error when the file
// is there but cannot be opened or read, and Bad file name or number (52) for
// a name holding "*" or "?", as Open does.
std::optional<std::string> readVisibleFile(const HeldPath& fileName);

// The bytes of path when, once opened, it is a regular file; nothing for a
// special file (a named pipe, a device, a folder). Never waits on the open.
std::optional<std::string> readRegularFile(const std::filesystem::path& path);

}  // namespace utilities
