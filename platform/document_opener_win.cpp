#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/system_services.h"
#include "platform/windows_text.h"

namespace platform {

// ShellExecuteW "open", shown normally: the shell's own result, which is above
// 32 on success and an error code (2 file not found, 31 no association) else.
// The text is held in the ANSI code page, as every path the program keeps.
std::int32_t openDocument(std::string_view pathOrUrl) {
  // A NUL would end the text early and open some other file.
  if (pathOrUrl.find('\0') != std::string_view::npos) return ERROR_FILE_NOT_FOUND;
  const std::wstring target = wideFromAnsi(pathOrUrl);
  const HINSTANCE result = ::ShellExecuteW(nullptr, L"open", target.c_str(), L"", L"", SW_SHOWNORMAL);
  return static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(result));
}

// ShellExecuteW, so that a file name outside the ANSI code page opens as itself.
std::int32_t openFile(const std::filesystem::path& file) {
  if (file.native().find(L'\0') != std::wstring::npos) return ERROR_FILE_NOT_FOUND;
  const HINSTANCE result = ::ShellExecuteW(nullptr, L"open", file.c_str(), L"", L"", SW_SHOWNORMAL);
  return static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(result));
}

}  // namespace platform
