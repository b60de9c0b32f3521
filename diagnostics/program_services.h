#pragma once
// The services the program-wide routines reach: GetSetting and SaveSetting
// the settings store, gSendEMail the mail transport, gnErrorHandler its
// dialogs and log. Those routines are global by nature (any procedure's trap
// may call the handler), so each program's main builds the services once and
// installs them all here for its lifetime; nothing else installs them.

#include "diagnostics/error_handler.h"

namespace platform {
class MailTransport;
class SettingsStore;
}  // namespace platform

namespace diagnostics {

struct ProgramServices {
  platform::SettingsStore* settings = nullptr;
  platform::MailTransport* mail = nullptr;
  ErrorHandlerSetup errorHandler;
};

// Installs the services while it lives; what was installed before comes back
// when it ends, so a test can nest one.
class InstalledServices {
 public:
  explicit InstalledServices(ProgramServices services);
  ~InstalledServices();
  InstalledServices(const InstalledServices&) = delete;
  InstalledServices& operator=(const InstalledServices&) = delete;

 private:
  ProgramServices previous_;
};

}  // namespace diagnostics
