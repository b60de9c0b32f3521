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
}  // namespace

std::wstring wideFromAnsi(std::string_view ansi) {
  if (ansi.empty()) return {};
  const int length = checkedLength(ansi.size());
  const int needed = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
  if (needed <= 0) vb::raise(vb::err::InvalidProcedureCall);
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, wide.data(), needed);
  return wide;
}

std::string ansiFromWide(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int length = checkedLength(wide.size());
  const int needed = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) vb::raise(vb::err::InvalidProcedureCall);
  std::string ansi(static_cast<std::size_t>(needed), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, wide.data(), length, ansi.data(), needed, nullptr, nullptr);
  return ansi;
}

}  // namespace platform
