#include <QApplication>

#include <clocale>

#include "diagnostics/error_handler.h"
#include "main_window/frm_scopster.h"
#include "main_window/qt_dialogs.h"
#include "platform/qt/settings_store_qt.h"
#include "platform/settings_store.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // Times and dates in the user's own formats (the run time, the printout).
  std::setlocale(LC_ALL, "");

  platform::QtSettingsStore settings;
  platform::installSettingsStore(&settings);
  main_window::QtDialogs dialogs;
  diagnostics::installErrorHandler(diagnostics::defaultErrorHandlerSetup(&dialogs));

  main_window::frmScopster window;
  window.Form_Load();
  const int status = QApplication::exec();

  diagnostics::installErrorHandler({});
  platform::installSettingsStore(nullptr);
  return status;
}
