#include "platform/qt/settings_store_qt.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

#include "platform/qt/qt_text.h"
#include "runtime/vb_error.h"

namespace platform {

namespace {

// QSettings reads '/' and '\' inside a name as group separators. Escaping them
// (and '%', the escape itself) keeps every name literal: key "a/b" of section S
// never meets key "b" of section "S/a", nor "/x" meets "x".
QString literalName(std::string_view cp1252) {
  if (cp1252.empty()) vb::raise(vb::err::InvalidProcedureCall);
  QString escaped;
  for (const QChar c : qStringFromCp1252(cp1252)) {
    if (c == u'%') {
      escaped += u"%25";
    } else if (c == u'/') {
      escaped += u"%2F";
    } else if (c == u'\\') {
      escaped += u"%5C";
    } else {
      escaped += c;
    }
  }
  return escaped;
}

QString settingPath(std::string_view section, std::string_view key) {
  return literalName(section) + u'/' + literalName(key);
}

// QSettings reports a file it cannot read and an earlier write it could not
// finish alike, so reading looks at the file itself: an absent file is an empty
// store, anything else must be a readable file.
void requireReadableFile(const std::filesystem::path& file) {
  std::error_code error;
  const auto status = std::filesystem::status(file, error);
  if (status.type() == std::filesystem::file_type::not_found) return;
  if (error) throw vb::VbError::fromErrno(error.value());
  if (status.type() != std::filesystem::file_type::regular) vb::raise(vb::err::PathFileAccessError);
  if (::access(file.c_str(), R_OK) != 0) throw vb::VbError::fromErrno(errno);
}

std::string textOf(const QVariant& value) {
  // An unquoted "a, b" written by hand reads as a list.
  if (value.typeId() == QMetaType::QStringList) {
    return value.toStringList().join(u", ").toStdString();
  }
  return value.toString().toStdString();
}

// Puts the key back as it was after a failed write. QSettings keeps unwritten
// changes in a cache that every object on the same file shares, and would
// otherwise show them to later reads and write them with the next change.
void restore(QSettings& settings, const QString& path, const QVariant& previous) {
  if (previous.isValid()) {
    settings.setValue(path, previous);
  } else {
    settings.remove(path);
  }
  settings.sync();
}

std::filesystem::path userConfigFolder() {
  return pathFromQString(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

}  // namespace

QtSettingsStore::QtSettingsStore() : QtSettingsStore(userConfigFolder()) {}

QtSettingsStore::QtSettingsStore(std::filesystem::path folder) : folder_(std::move(folder)) {}

std::filesystem::path QtSettingsStore::iniFile(std::string_view application) const {
  const std::filesystem::path name = pathFromQString(qStringFromCp1252(application));
  const bool plainName = !application.empty() && application.find('\0') == std::string_view::npos &&
                         name == name.filename() && name != "." && name != "..";
  if (!plainName) vb::raise(vb::err::InvalidProcedureCall);
  if (folder_.empty()) vb::raise(vb::err::PathNotFound);
  return folder_ / (name.string() + ".ini");
}

std::string QtSettingsStore::getSetting(std::string_view application, std::string_view section,
                                        std::string_view key, std::string_view defaultValue) {
  const std::filesystem::path file = iniFile(application);
  const QString path = settingPath(section, key);
  requireReadableFile(file);
  const QSettings settings(qStringFromPath(file), QSettings::IniFormat);
  const QVariant value = settings.value(path);
  return value.isValid() ? textOf(value) : std::string(defaultValue);
}

void QtSettingsStore::saveSetting(std::string_view application, std::string_view section,
                                  std::string_view key, std::string_view value) {
  const std::filesystem::path file = iniFile(application);
  const QString path = settingPath(section, key);
  requireReadableFile(file);
  // QSettings keeps the first problem it meets, a damaged line included, and
  // parses sections as they are needed. The reader parses them all; the writer
  // shares that parse, so its status tells of this write alone (without the
  // sharing it would meet the damage too, and the write would count as failed).
  const QSettings reader(qStringFromPath(file), QSettings::IniFormat);
  const QVariant previous = reader.value(path);
  static_cast<void>(reader.allKeys());
  QSettings writer(qStringFromPath(file), QSettings::IniFormat);
  writer.setValue(path, QString::fromStdString(std::string(value)));
  writer.sync();
  if (writer.status() == QSettings::NoError) return;
  restore(writer, path, previous);
  vb::raise(vb::err::PathFileAccessError);
}

}  // namespace platform
