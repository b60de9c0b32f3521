#pragma once
// Window texts are wide; the form logic's texts are UTF-8, and the product
// texts and message boxes Windows-1252. These convert at the view.

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/windows_text.h"

namespace win32 {

using platform::utf8FromWide;
using platform::wideFromUtf8;

std::wstring wideFromCp1252(std::string_view bytes);
// Characters that Windows-1252 cannot hold become '?'.
std::string cp1252FromWide(std::wstring_view wide);

// The whole text of a window or control.
std::wstring windowText(HWND window);

}  // namespace win32
