#include "cli/report_path.h"

#include <algorithm>

#include "utilities/vb_path.h"

namespace cli {

bool namesNoFileHere([[maybe_unused]] std::string_view vbPath) {
#ifdef _WIN32
  return false;
#else
  return vbPath.find(':') != std::string_view::npos;
#endif
}

bool namesNoLocalFile(const utilities::HeldPath& path) {
  return path.native.empty() && namesNoFileHere(std::string_view(path.written));
}

std::filesystem::path reportPath(const utilities::HeldPath& path) {
  if (namesNoLocalFile(path)) return utilities::pathFromText(utilities::pathText(path));
  return utilities::nativePath(path);
}

std::filesystem::path reportPathOfText(std::string_view utf8) {
  std::string text(utf8);
#ifndef _WIN32
  if (!namesNoFileHere(std::string_view(text))) std::replace(text.begin(), text.end(), '\\', '/');
#endif
  return utilities::pathFromText(text);
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
