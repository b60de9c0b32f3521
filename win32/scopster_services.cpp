#include "win32/scopster_services.h"

#include "platform/application_info.h"
#include "platform/system_information.h"
#include "platform/system_services.h"
#include "win32/about_window.h"
#include "win32/gdi_printer.h"
#include "win32/splash_window.h"

namespace win32 {

forms::ScopsterServices scopsterServices(diagnostics::Dialogs& dialogs) {
  forms::ScopsterServices services;
  services.dialogs = &dialogs;
  services.showSplash = [] { return showSplash(); };
  services.showAboutBox = [&dialogs] {
    showAboutBox({&dialogs, &platform::openDocument, [] { return platform::findSystemInformationProgram(); },
                  &platform::startSystemInformationProgram});
  };
  services.printer = []() -> std::unique_ptr<platform::Printer> {
    return std::make_unique<GdiPrinter>(defaultPrinterTarget());
  };
  services.applicationFolder = platform::applicationFolder();
  services.openHelpFile = &platform::openFile;
  return services;
}

}  // namespace win32
