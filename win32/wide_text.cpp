#include "win32/wide_text.h"

#include <limits>

#include "runtime/codepage.h"
#include "runtime/vb_error.h"

namespace win32 {

namespace {

int checkedLength(std::size_t size) {
  if (size > static_cast<std::size_t>(std::numeric_limits<int>::max())) vb::raise(vb::err::OutOfMemory);
  return static_cast<int>(size);
}

}  // namespace

std::wstring wideFromUtf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int length = checkedLength(utf8.size());
  const int needed = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), length, nullptr, 0);
  if (needed <= 0) vb::raise(vb::err::InvalidProcedureCall);
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), length, wide.data(), needed);
  return wide;
}

std::string utf8FromWide(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int length = checkedLength(wide.size());
  const int needed =
      ::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) vb::raise(vb::err::InvalidProcedureCall);
  std::string utf8(static_cast<std::size_t>(needed), '\0');
  ::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), length, utf8.data(), needed, nullptr, nullptr);
  return utf8;
}

// Through the run time's own table, so that both windows show a byte alike.
std::wstring wideFromCp1252(std::string_view bytes) { return wideFromUtf8(vb::cp1252ToUtf8(bytes)); }

std::string cp1252FromWide(std::wstring_view wide) { return vb::utf8ToCp1252(utf8FromWide(wide)); }

std::wstring windowText(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

}  // namespace win32
