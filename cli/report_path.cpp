#include "cli/report_path.h"

#include "runtime/codepage.h"
#include "utilities/vb_path.h"

namespace cli {

bool namesNoFileHere([[maybe_unused]] std::string_view vbPath) {
#ifdef _WIN32
  return false;
#else
  return vbPath.find(':') != std::string_view::npos;
#endif
}

std::filesystem::path reportPath(std::string_view vbPath) {
  if (namesNoFileHere(vbPath)) return std::filesystem::path(vb::cp1252ToUtf8(vbPath));
  return utilities::nativePath(vbPath);
}

// On Windows string() would give the ANSI code page, which cannot hold every name.
std::string utf8Path(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string utf8GenericPath(const std::filesystem::path& path) {
  const std::u8string text = path.generic_u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace cli
