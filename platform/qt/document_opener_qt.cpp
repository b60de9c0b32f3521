// Opening a document or address with the program the desktop associates with
// it, answering with the shell's codes that the callers test for.

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include <optional>

#include "platform/qt/qt_text.h"
#include "platform/system_services.h"

namespace platform {

namespace {

constexpr std::int32_t kFileNotFound = 2;
constexpr std::int32_t kNoAssociation = 31;
constexpr std::int32_t kOpened = 42;

bool isAddress(const QString& text) {
  for (const char* scheme : {"http://", "https://", "mailto:"}) {
    if (text.startsWith(QLatin1String(scheme), Qt::CaseInsensitive)) return true;
  }
  return false;
}

// The file as written or, failing that, with '\' read as the folder separator,
// since paths built the Windows way reach us too.
std::optional<QString> existingFile(QString path) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (!path.isEmpty() && QFileInfo::exists(path)) return QFileInfo(path).absoluteFilePath();
    path.replace(u'\\', u'/');
  }
  return std::nullopt;
}

}  // namespace

std::int32_t openDocument(std::string_view pathOrUrl) {
  const QString text = qStringFromCp1252(pathOrUrl);
  QUrl target;
  if (isAddress(text)) {
    target = QUrl(text);
  } else {
    const std::optional<QString> file = existingFile(text);
    if (!file) return kFileNotFound;
    target = QUrl::fromLocalFile(*file);
  }
  return QDesktopServices::openUrl(target) ? kOpened : kNoAssociation;
}

std::int32_t openFile(const std::filesystem::path& file) {
  const QString text = qStringFromPath(file);
  if (file.empty() || !QFileInfo::exists(text)) return kFileNotFound;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath())) ? kOpened : kNoAssociation;
}

}  // namespace platform
