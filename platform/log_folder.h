#pragma once
// The two steps of making the log's folder that differ between systems; the
// order of the steps (log_file.cpp) is the same on both.

#include <filesystem>

namespace platform::log_folder {

enum class Creation { Made, Existed, ParentMissing };

// Creates one folder, owner-only where the system has modes. Raises the file
// error for any failure but an existing folder or a missing parent.
Creation createFolder(const std::filesystem::path& folder);

// Raises Permission denied (70) unless folder is a real folder (not a link)
// that belongs to this user and that nobody else can write to; the file error
// when it cannot be looked at.
void checkOwnFolder(const std::filesystem::path& folder);

}  // namespace platform::log_folder
