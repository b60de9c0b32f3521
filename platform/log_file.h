#pragma once
// Writing the error log safely: never through a symlink, each record whole
// however many programs append at once, folders private to the user.
// POSIX: log_file_posix.cpp; Windows: log_file_win.cpp, where a new folder
// takes its access list from the user's profile folder instead of a mode.

#include <filesystem>
#include <string_view>

namespace platform {

// Appends record to file with one write, creating the file (owner-only) when
// absent. Refuses a symlink or anything but a regular file in the file's
// place, and a file that cannot be read back; on POSIX also a file that
// another user owns or may write to (Permission denied, 70). Raises the file
// error (vb::VbError) when it cannot.
void appendLogRecord(const std::filesystem::path& file, std::string_view record);

// Makes sure folder exists, creating each missing component owner-only, and
// that folder and its parent are real folders (not symlinks) that belong to
// this user and that nobody else can write to; the parent is checked before
// the folder is made in it. Raises the file error when a folder cannot be
// made, Permission denied (70) when one is not ours.
void makePrivateFolder(const std::filesystem::path& folder);

}  // namespace platform
