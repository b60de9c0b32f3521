#pragma once
// General routines: text helpers, the busy pause, the system version text,
// the help command and the main window's start-up sequence.
// Texts are Windows-1252 bytes, one byte per character.

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/system_services.h"
#include "utilities/os_version.h"
#include "utilities/placement.h"

namespace utilities {

// Removes leading and trailing NULs, then leading and trailing blanks (only
// U+0020; tabs stay). A NUL inside the blanks stays.
std::string gsGTrim(std::string text, bool& bError);
// Removes every leading occurrence of the one-character text strip; a longer
// or empty strip removes nothing.
std::string gsGStringLeftStrip(std::string text, std::string strip, bool& bError);
// True when gsGTrim leaves something.
bool gbGLenTrim(std::string text, bool& bError);
// The code of the first character (0..255), 0 for an empty text.
std::int16_t gnGAscii(std::string text, bool& bError);

// Blocks the thread until the tick counter has advanced by at least
// milliseconds; deliberately neither sleeps nor processes events.
void gGPause(std::int16_t milliseconds, bool& bError);

// Raises the program-defined error of a failed "open" (source "ShellExecute",
// "Error <n> has occurred with ShellExecute") when shellResult, a result of
// platform::openDocument, is 32 or less; nothing otherwise.
void raiseOnShellFailure(std::int32_t shellResult);

// Opens the help from the application's folder with its viewer: the
// compiled Scopster.chm, or where HTML is preferred and present, the page
// help/index.html. Neither there is the ShellExecute failure 2.
void gGShowHelp(bool& bError);
// The same for the help in folder (the application's folder in gGShowHelp).
void showHelpIn(const std::filesystem::path& folder, bool& bError);
// The document to open from folder.
std::filesystem::path helpFilePath(const std::filesystem::path& folder);

// The main window's start-up: version text, message box title, region-change
// check and restored placement, in that order.
void gGStartUpSetStuff(PlaceableWindow& window, bool& bError);

}  // namespace utilities
