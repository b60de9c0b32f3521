#include "diagnostics/program_services.h"

#include <utility>

#include "diagnostics/send_email.h"
#include "platform/settings_store.h"

namespace diagnostics {

InstalledServices::InstalledServices(ProgramServices services)
    : previous_{platform::installedSettingsStore(), installedMailTransport(), errorHandlerSetup()} {
  platform::installSettingsStore(services.settings);
  installMailTransport(services.mail);
  installErrorHandler(std::move(services.errorHandler));
}

InstalledServices::~InstalledServices() {
  installErrorHandler(std::move(previous_.errorHandler));
  installMailTransport(previous_.mail);
  platform::installSettingsStore(previous_.settings);
}

}  // namespace diagnostics
