#include <gtest/gtest.h>

#include <sys/utsname.h>

#include <string>

#include "diagnostics/app_globals.h"
#include "tests/support/test_locales.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/product_texts.h"
#include "tests/support/test_support.h"
#include "tests/utilities/placement_memory_window.h"
#include "utilities/general.h"

namespace {

using test_support::WindowRect;

constexpr WindowRect kDesign{1000, 800, 9000, 6000};

struct StartUpCase {
  const char* locale;
  const char* storedRegion;
  const char* storedLeft;
  std::string prompt;  // of the one box, "" for none
  const char* boxTitle;
  WindowRect placement;
};

TEST(GeneralStartupTest, TextsThenRegionCheckThenPlacement) {
  const StartUpCase cases[] = {
      {"en_GB.UTF-8", "", "", "", "", {5100, 2400, 9000, 6000}},  // no stored left: centred
      // The title is already set when the region box shows.
      {"en_US.UTF-8", "44", "1200", "Your region setting has changed\r\n\r\nResetting start up defaults",
       "Scopster v0.916", {1200, 900, 9000, 6000}},
      // A failed check stops start-up before the placement.
      {"xx_YY.UTF-8", "44", "1200",
       "Source: modGetLocaleInfo.msGetLocaleInfoUser.GetLocaleInfo 1\r\n\r\nError occurred with GetLocaleInfo",
       "Error!", kDesign},
      {"en_GB.UTF-8", "44", "left", "Source: modGeneral.gGFormLeftEtcGetMove.1\r\n\r\nType mismatch", "Error!",
       kDesign},
  };
  utsname names{};
  ASSERT_EQ(uname(&names), 0);
  test_support::ScopedEnvironment environment;
  for (const auto& c : cases) {
    test_support::useLocale(environment, c.locale);
    const test_support::ProductTexts texts("Scopster v0.916", "");
    test_support::ScriptedErrorHandler handler(diagnostics::msgbox::Ok);
    test_support::MemorySettingsStore settings;
    if (*c.storedRegion) settings.put("UserRegion", c.storedRegion);
    if (*c.storedLeft) settings.put("frmScopster.Left", c.storedLeft);
    settings.put("frmScopster.Top", "900");
    test_support::MemoryWindow window(kDesign);
    bool bError = false;

    utilities::gGStartUpSetStuff(window, bError);

    const std::string what = std::string(c.locale) + " " + c.storedRegion + " " + c.storedLeft;
    EXPECT_EQ(diagnostics::gsOSVersion.rfind(std::string(names.sysname) + " v", 0), 0U) << what;
    EXPECT_EQ(diagnostics::gsMsgBoxTitle, "Scopster v0.916") << what;
    EXPECT_EQ(window.rect(), c.placement) << what;
    EXPECT_EQ(bError, std::string(c.boxTitle) == "Error!") << what;
    ASSERT_EQ(handler.boxCount(), c.prompt.empty() ? 0U : 1U) << what;
    if (c.prompt.empty()) continue;
    EXPECT_EQ(handler.prompt(0), c.prompt) << what;
    EXPECT_EQ(handler.dialogs().boxes()[0].title, c.boxTitle) << what;
  }
}

}  // namespace
