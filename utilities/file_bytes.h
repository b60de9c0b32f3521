#pragma once
// One file's whole content, read with one open.

#include <optional>
#include <string>

namespace utilities {

// fileName is a path as the program holds it (mapped with nativePath). Nothing
// when a folder search would not show the file (missing, a folder, hidden);
// raises the file error when the file is there but cannot be opened or read.
std::optional<std::string> readVisibleFile(const std::string& fileName);

}  // namespace utilities
