#pragma once
// The general routines that need no desktop: text helpers, the busy pause and
// the shell-failure check. Texts are Windows-1252 bytes, one byte per
// character.

#include <cstdint>
#include <string>

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

}  // namespace utilities
