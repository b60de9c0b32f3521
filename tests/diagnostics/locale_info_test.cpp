#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "diagnostics/app_globals.h"
#include "diagnostics/locale_info.h"
#include "tests/support/test_locales.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/product_texts.h"
#include "tests/support/test_support.h"

namespace {

const std::string kQueryFailed =
    "Source: modGetLocaleInfo.msGetLocaleInfoUser.GetLocaleInfo 1\r\n\r\nError occurred with GetLocaleInfo";
const std::string kRegionChanged = "Your region setting has changed\r\n\r\nResetting start up defaults";

struct RegionCase {
  const char* locale;
  std::optional<std::string> stored;
  bool changed;
  std::string prompt;  // of the one box, "" for none
  const char* region;
  std::optional<std::string> storedAfterSave;
};

TEST(LocaleInfoTest, RegionCheckAndSave) {
  const RegionCase cases[] = {
      {"en_GB.UTF-8", "44", false, "", "44", "44"},
      {"en_US.UTF-8", "44", true, kRegionChanged, "1", "1"},
      {"en_GB.UTF-8", "", false, "", "44", "44"},
      {"C", "C", false, "", "C", "C"},
      {"en_GB.UTF-8", "C", true, kRegionChanged, "44", "44"},
      {"xx_YY.UTF-8", "44", false, kQueryFailed, "", "44"},  // a failed query never overwrites
      {"xx_YY.UTF-8", std::nullopt, false, kQueryFailed, "", std::nullopt},
  };
  test_support::ScopedEnvironment environment;
  const test_support::ProductTexts texts("", "Scopster v0.916");
  for (const auto& c : cases) {
    const std::string what = std::string(c.locale) + " stored " + c.stored.value_or("(none)");
    test_support::useLocale(environment, c.locale);
    test_support::ScriptedErrorHandler handler(diagnostics::msgbox::Ok);
    test_support::MemorySettingsStore settings;
    if (c.stored) settings.put("UserRegion", *c.stored);
    bool bError = false;

    EXPECT_EQ(diagnostics::gbGetLocaleInfoUserRegionChanged(bError), c.changed) << what;
    EXPECT_EQ(diagnostics::gsUserRegion, c.region) << what;
    EXPECT_EQ(bError, c.prompt == kQueryFailed) << what;
    EXPECT_EQ(settings.writes, 0) << what;
    ASSERT_EQ(handler.boxCount(), c.prompt.empty() ? 0U : 1U) << what;
    if (!c.prompt.empty()) {
      const auto& box = handler.dialogs().boxes()[0];
      EXPECT_EQ(box.prompt, c.prompt) << what;
      EXPECT_EQ(box.style, 48) << what;
      EXPECT_EQ(box.title, c.changed ? "Scopster v0.916" : "Error!") << what;
    }

    bool saveError = false;
    diagnostics::gGetLocaleInfoSaveUserRegion(saveError);
    EXPECT_EQ(settings.value("UserRegion"), c.storedAfterSave) << what;
    EXPECT_EQ(saveError, bError) << what;
  }
}

TEST(LocaleInfoTest, OnlyTheCountryCodeIsKnown) {
  test_support::ScopedEnvironment environment;
  test_support::useLocale(environment, "en_GB.UTF-8");
  test_support::ScriptedErrorHandler handler(diagnostics::msgbox::Ok);
  bool bError = false;
  EXPECT_EQ(diagnostics::msGetLocaleInfoUser(4, bError), "");
  EXPECT_TRUE(bError);
  ASSERT_EQ(handler.boxCount(), 1U);
  EXPECT_EQ(handler.prompt(0), kQueryFailed);
}

}  // namespace
