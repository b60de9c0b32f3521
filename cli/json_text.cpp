#include "cli/json_text.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "cli/report_path.h"
#include "cli/terminal_text.h"
#include "runtime/codepage.h"

namespace cli {

namespace {
void appendEscaped(std::string& out, unsigned char c) {
  switch (c) {
    case '"': out += "\\\""; return;
    case '\\': out += "\\\\"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    default: break;
  }
  if (c < 0x20 || c == 0x7F) {
    std::array<char, 8> escaped{};
    std::snprintf(escaped.data(), escaped.size(), "\\u%04x", c);
    out += escaped.data();
    return;
  }
  out += static_cast<char>(c);
}
}  // namespace

std::string jsonString(std::string_view utf8) {
  std::string out = "\"";
  out.reserve(utf8.size() + 2);
  for (std::size_t at = 0; at < utf8.size();) {
    const std::size_t length = utf8SequenceLength(utf8, at);
    if (length == 0) {
      out += "\xEF\xBF\xBD";
      ++at;
    } else if (length == 1) {
      appendEscaped(out, static_cast<unsigned char>(utf8[at++]));
    } else {
      out.append(utf8, at, length);
      at += length;
    }
  }
  out += '"';
  return out;
}

std::string jsonStringFrom1252(std::string_view text) { return jsonString(vb::cp1252ToUtf8(text)); }

std::string jsonSeconds(double seconds) {
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%.3f", seconds);
  return text.data();
}

std::string uriPath(const std::string& path) {
  static constexpr std::string_view kHex = "0123456789ABCDEF";
  std::string out;
  out.reserve(path.size());
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
                       c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
    if (plain) {
      out += c;
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    }
  }
  return out;
}

bool hasDriveLetter(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

// The drive's colon stays as it is: viewers do not take "C%3A" for a drive.
std::string fileUri(const std::filesystem::path& absolute, bool folder) {
  std::string path = utf8GenericPath(absolute);
  if (folder && !path.ends_with('/')) path += '/';
  if (!hasDriveLetter(path)) return "file://" + uriPath(path);
  std::replace(path.begin(), path.end(), '\\', '/');  // Linux keeps a listed "C:\" path as written
  return "file:///" + path.substr(0, 2) + uriPath(path.substr(2));
}

}  // namespace cli
