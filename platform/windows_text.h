#pragma once
// Windows only. Our text is Windows-1252 bytes, which on a Windows system is the
// ANSI code page; file names go to the wide ("W") functions after converting
// with MultiByteToWideChar(CP_ACP), so a path is never cut short by a name the
// code page cannot spell when it comes back from the system.

#include <string>
#include <string_view>

namespace platform {

std::wstring wideFromAnsi(std::string_view ansi);
// Characters the ANSI code page cannot spell become "?".
std::string ansiFromWide(std::wstring_view wide);

}  // namespace platform
