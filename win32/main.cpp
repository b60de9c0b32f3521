// Scopster.exe: the main window on Win32, over the same form logic as the Qt
// window. The services are built here once and handed down.

#include <windows.h>
#include <commctrl.h>

#include <clocale>
#include <memory>

#include "diagnostics/error_handler.h"
#include "diagnostics/error_trap.h"
#include "diagnostics/program_services.h"
#include "forms/frm_scopster.h"
#include "platform/mail_transport.h"
#include "platform/settings_store_win.h"
#include "utilities/bug_report_offer.h"
#include "win32/message_pump.h"
#include "win32/multi_line_text_window.h"
#include "win32/scopster_services.h"
#include "win32/scopster_window.h"
#include "win32/send_bug_report_yn_window.h"
#include "win32/system_dialogs.h"

namespace {

int runWindow(diagnostics::Dialogs& dialogs) {
  win32::ScopsterWindow window([] { ::PostQuitMessage(0); });
  forms::frmScopster form(window, win32::scopsterServices(dialogs));
  window.attach(form);
  form.Form_Load();
  int status = 0;
  bool bError = false;
  diagnostics::ErrorTrap trap{forms::kFormName, "MessageLoop", bError};
  trap.step(1, [&] { status = win32::runMessageLoop(); });
  return bError ? 1 : status;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // Times and dates in the user's own formats (the run time, the printout).
  std::setlocale(LC_ALL, "");
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);

  platform::RegistrySettingsStore settings;
  const std::unique_ptr<platform::MailTransport> mail = platform::systemMailTransport();
  win32::SystemDialogs dialogs([](std::string_view caption) { return win32::showMultiLineText(caption); });
  diagnostics::ErrorHandlerSetup errorHandler = diagnostics::defaultErrorHandlerSetup(&dialogs);
  // Only the window application asks; the terminal tool never offers a report.
  errorHandler.offerBugReport = [] { utilities::offerBugReport([] { return win32::askToSendBugReport(); }); };
  const diagnostics::InstalledServices services({&settings, mail.get(), std::move(errorHandler)});
  return runWindow(dialogs);
}
