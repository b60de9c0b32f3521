#include "win32/wide_text.h"

#include "runtime/codepage.h"

namespace win32 {

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
