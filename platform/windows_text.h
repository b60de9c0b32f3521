#pragma once
// Windows only. File contents and a project's entries are in the ANSI code
// page; they reach the wide ("W") functions through CP_ACP. Paths and texts
// the system gives stay wide, or UTF-8 where the program holds them as text,
// so a name the code page cannot spell survives.

#include <string>
#include <string_view>

namespace platform {

std::wstring wideFromAnsi(std::string_view ansi);
// Characters the ANSI code page cannot spell become "?".
std::string ansiFromWide(std::wstring_view wide);

std::wstring wideFromUtf8(std::string_view utf8);
std::string utf8FromWide(std::wstring_view wide);

// Two UTF-8 texts equal without regard to case, as the file system compares
// names: any script's letters, not only those of the code page.
bool sameIgnoringCase(std::string_view utf8, std::string_view otherUtf8);

}  // namespace platform
