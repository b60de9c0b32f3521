#include "utilities/vb_path.h"

#include "platform/windows_text.h"

namespace utilities {

// Windows reads a project's paths as they are written: "\\" is its separator
// and its file names ignore letter case already. A written rest is in the ANSI
// code page, as the project's own tools wrote it.
std::filesystem::path nativePath(const HeldPath& path) {
  return std::filesystem::path(path.native.native() + platform::wideFromAnsi(path.written));
}

std::string pathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::filesystem::path pathFromText(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::filesystem::path nativeFolderOf(const std::filesystem::path& path) {
  const std::size_t cut = path.native().find_last_of(L"\\/");
  return cut == std::wstring::npos ? std::filesystem::path() : std::filesystem::path(path.native().substr(0, cut + 1));
}

}  // namespace utilities
