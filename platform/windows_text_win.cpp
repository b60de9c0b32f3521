#include "platform/windows_text.h"

#include <windows.h>

#include <limits>

#include "runtime/vb_error.h"

namespace platform {

namespace {
int checkedLength(std::size_t size) {
  if (size > static_cast<std::size_t>(std::numeric_limits<int>::max())) vb::raise(vb::err::OutOfMemory);
  return static_cast<int>(size);
}


std::wstring wideFrom(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int length = checkedLength(bytes.size());
  const int needed = ::MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
  if (needed <= 0) vb::raise(vb::err::InvalidProcedureCall);
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  ::MultiByteToWideChar(codePage, 0, bytes.data(), length, wide.data(), needed);
  return wide;
}

std::string bytesFrom(UINT codePage, std::wstring_view wide) {
  if (wide.empty()) return {};
  const int length = checkedLength(wide.size());
  const int needed = ::WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) vb::raise(vb::err::InvalidProcedureCall);
  std::string bytes(static_cast<std::size_t>(needed), '\0');
  ::WideCharToMultiByte(codePage, 0, wide.data(), length, bytes.data(), needed, nullptr, nullptr);
  return bytes;
}
}  // namespace

std::wstring wideFromAnsi(std::string_view ansi) { return wideFrom(CP_ACP, ansi); }
std::string ansiFromWide(std::wstring_view wide) { return bytesFrom(CP_ACP, wide); }
std::wstring wideFromUtf8(std::string_view utf8) { return wideFrom(CP_UTF8, utf8); }
std::string utf8FromWide(std::wstring_view wide) { return bytesFrom(CP_UTF8, wide); }

bool sameIgnoringCase(std::string_view utf8, std::string_view otherUtf8) {
  const std::wstring one = wideFromUtf8(utf8);
  const std::wstring other = wideFromUtf8(otherUtf8);
  return ::CompareStringOrdinal(one.data(), checkedLength(one.size()), other.data(), checkedLength(other.size()),
                                TRUE) == CSTR_EQUAL;
}

}  // namespace platform
