#pragma once
// Conversions at the Qt edge: our text is Windows-1252 bytes, Qt's is Unicode,
// file names are the system's bytes.

#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

QString qStringFromCp1252(std::string_view text);
std::string cp1252FromQString(const QString& text);

QString qStringFromPath(const std::filesystem::path& path);
std::filesystem::path pathFromQString(const QString& path);

}  // namespace platform
