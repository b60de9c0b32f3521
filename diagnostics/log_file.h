#pragma once
// Appending to the error log, the one file the program writes.

#include <filesystem>
#include <string_view>

namespace diagnostics {

// Appends bytes to file in one write, creating the file when absent. Raises the
// file error when it cannot be opened, written or closed.
void appendToFile(const std::filesystem::path& file, std::string_view bytes);

}  // namespace diagnostics
