#include "main_window/application_identity.h"

#include <QApplication>

#include "platform/application_info.h"
#include "platform/qt/qt_text.h"
#include "widgets/window_icon.h"

namespace main_window {

void identifyApplication() {
  // Not left to the executable's file name, which a user may change.
  QCoreApplication::setApplicationName(platform::qStringFromCp1252(platform::ApplicationInfo::kTitle));
  QGuiApplication::setDesktopFileName(
      QString::fromLatin1(kDesktopFileName.data(), static_cast<qsizetype>(kDesktopFileName.size())));
  QApplication::setWindowIcon(widgets::scopsterIcon());
}

}  // namespace main_window
