#include <QApplication>

#include <clocale>
#include <memory>
#include <utility>

#include "about/frm_send_bug_report_yn.h"
#include "diagnostics/program_services.h"
#include "main_window/application_identity.h"
#include "main_window/qt_dialogs.h"
#include "main_window/scopster_window.h"
#include "main_window/window_services.h"
#include "platform/mail_transport.h"
#include "platform/settings_store.h"
#include "utilities/bug_report_offer.h"
#ifdef _WIN32
#include "platform/settings_store_win.h"
using SystemSettingsStore = platform::RegistrySettingsStore;
#else
#include "platform/qt/settings_store_qt.h"
using SystemSettingsStore = platform::QtSettingsStore;
#endif

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  main_window::identifyApplication();
  // Times and dates in the user's own formats (the run time, the printout).
  std::setlocale(LC_ALL, "");

  SystemSettingsStore settings;
  const std::unique_ptr<platform::MailTransport> mail = platform::systemMailTransport();
  main_window::QtDialogs dialogs;
  diagnostics::ErrorHandlerSetup errorHandler = diagnostics::defaultErrorHandlerSetup(&dialogs);
  // Only the window application asks; the terminal tool never offers a report.
  errorHandler.offerBugReport = [] { utilities::offerBugReport([] { return about::askToSendBugReport(); }); };
  const diagnostics::InstalledServices services({&settings, mail.get(), std::move(errorHandler)});

  main_window::ScopsterWindow window;
  forms::frmScopster form(window.view(), main_window::windowServices(window, dialogs));
  window.attach(form);
  form.Form_Load();
  return QApplication::exec();
}
