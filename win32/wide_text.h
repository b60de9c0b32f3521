#pragma once
// Window texts are wide; the form logic's texts are UTF-8, and the product
// texts and message boxes Windows-1252. These convert at the view.

#include <windows.h>

#include <string>
#include <string_view>

namespace win32 {

// Both raise Invalid procedure call (5) for text the other side cannot hold
// (UTF-8 that is not well formed, a lone surrogate).
std::wstring wideFromUtf8(std::string_view utf8);
std::string utf8FromWide(std::wstring_view wide);

std::wstring wideFromCp1252(std::string_view bytes);
// Characters that Windows-1252 cannot hold become '?'.
std::string cp1252FromWide(std::wstring_view wide);

// The whole text of a window or control.
std::wstring windowText(HWND window);

}  // namespace win32
