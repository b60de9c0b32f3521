#pragma once
// Text bound for a terminal. File names and messages can hold any byte, and a
// control byte there would reach the terminal as a command (a new title, a
// cleared screen), so every one is shown as '?'.

#include <string>
#include <string_view>

namespace cli {

// utf8 with each C0 control byte, DEL, each C1 control character (U+0080 to
// U+009F) and each byte outside a valid sequence replaced by '?'. Line breaks
// and tabs stay when keepLayout is true.
std::string terminalSafe(std::string_view utf8, bool keepLayout = false);

// The length of the valid UTF-8 sequence at text[at], or 0.
std::size_t utf8SequenceLength(std::string_view text, std::size_t at);

// The same for Windows-1252 text, converted to UTF-8.
std::string terminalSafeFrom1252(std::string_view text, bool keepLayout = false);

}  // namespace cli
