#include "platform/qt/qt_text.h"

#include <QFile>

#include "runtime/codepage.h"

namespace platform {

QString qStringFromCp1252(std::string_view text) {
  return QString::fromStdString(vb::cp1252ToUtf8(text));
}

std::string cp1252FromQString(const QString& text) { return vb::utf8ToCp1252(text.toStdString()); }

QString qStringFromPath(const std::filesystem::path& path) { return QFile::decodeName(path.c_str()); }

std::filesystem::path pathFromQString(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace platform
