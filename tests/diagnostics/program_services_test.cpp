#include <gtest/gtest.h>

#include "diagnostics/program_services.h"
#include "diagnostics/scripted_dialogs.h"
#include "diagnostics/send_email.h"
#include "platform/settings_store.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/recording_mail_transport.h"
#include "tests/support/test_support.h"

namespace {

diagnostics::ErrorHandlerSetup withDialogs(diagnostics::Dialogs& dialogs) {
  diagnostics::ErrorHandlerSetup setup;
  setup.dialogs = &dialogs;
  return setup;
}

// A test nests a scope inside the program's: leaving it must give every
// routine back the outer services, not none or a mixture.
TEST(ProgramServicesTest, AnInnerScopeGivesBackAllOfTheOuterServices) {
  test_support::MemorySettingsStore outerStore, innerStore;
  outerStore.put("txtSource", "outer");
  innerStore.put("txtSource", "inner");
  test_support::RecordingMailTransport outerMail, innerMail;
  diagnostics::ScriptedDialogs outerDialogs(diagnostics::msgbox::Abort), innerDialogs(diagnostics::msgbox::Abort);

  {
    const diagnostics::InstalledServices outer({&outerStore, &outerMail, withDialogs(outerDialogs)});
    {
      const diagnostics::InstalledServices inner({&innerStore, &innerMail, withDialogs(innerDialogs)});
      EXPECT_EQ(platform::getSetting("Scopster", "txtSource", ""), "inner");
      EXPECT_EQ(diagnostics::installedMailTransport(), &innerMail);
      EXPECT_EQ(diagnostics::errorHandlerSetup().dialogs, &innerDialogs);
    }
    EXPECT_EQ(platform::getSetting("Scopster", "txtSource", ""), "outer");
    EXPECT_EQ(diagnostics::installedMailTransport(), &outerMail);
    EXPECT_EQ(diagnostics::errorHandlerSetup().dialogs, &outerDialogs);
  }
}

}  // namespace
