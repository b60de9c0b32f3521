#include <QApplication>

#include <clocale>

#include "diagnostics/error_handler.h"
#include "main_window/frm_scopster.h"
#include "main_window/qt_dialogs.h"
#include "platform/settings_store.h"
#ifdef _WIN32
#include "platform/settings_store_win.h"
using SystemSettingsStore = platform::RegistrySettingsStore;
#else
#include "platform/qt/settings_store_qt.h"
using SystemSettingsStore = platform::QtSettingsStore;
#endif

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // Times and dates in the user's own formats (the run time, the printout).
  std::setlocale(LC_ALL, "");

  SystemSettingsStore settings;
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
