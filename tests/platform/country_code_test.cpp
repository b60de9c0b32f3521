#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/system_services.h"
#include "tests/support/scoped_environment.h"

namespace {

using Settings = std::vector<std::pair<std::string, std::string>>;

// Chooses the user's locale as a login does, from the locales compiled into
// the build folder.
void chooseUserLocale(test_support::ScopedEnvironment& environment, const Settings& settings) {
  environment.set("LOCPATH", SCOPSTER_TEST_LOCALE_FOLDER);
  for (const char* name : {"LC_ALL", "LC_TELEPHONE", "LANG"}) environment.set(name, "");
  for (const auto& [name, value] : settings) environment.set(name, value);
}

TEST(CountryCodeTest, CallingCodeOfTheUserLocaleOrItsOwnCode) {
  const struct {
    Settings settings;
    std::string code;
  } cases[] = {
      {{{"LC_ALL", "en_GB.UTF-8"}}, "44"},
      {{{"LC_ALL", "en_US.UTF-8"}}, "1"},
      {{{"LC_ALL", "de_DE.utf8"}}, "49"},
      {{{"LANG", "en_GB.UTF-8"}, {"LC_TELEPHONE", "de_DE.UTF-8"}}, "49"},
      {{{"LC_ALL", "en_US.UTF-8"}, {"LC_TELEPHONE", "de_DE.UTF-8"}}, "1"},
      {{{"LC_ALL", "C"}}, "C"},
      {{}, "C"},
      {{{"LANG", "en_GB.UTF-8"}, {"LC_TELEPHONE", "C"}}, "C"},
      {{{"LC_ALL", "xx_YY.UTF-8"}}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.settings.empty() ? "nothing set" : c.settings.back().second);
    test_support::ScopedEnvironment environment;
    chooseUserLocale(environment, c.settings);
    const auto size = static_cast<std::int32_t>(c.code.empty() ? 0 : c.code.size() + 1);
    EXPECT_EQ(platform::countryCodeSize(), size);
    std::string buffer(6, '-');
    EXPECT_EQ(platform::countryCodeText(buffer.data(), 6), size);
    EXPECT_EQ(buffer, c.code.empty() ? "------" : c.code + '\0' + std::string(5 - c.code.size(), '-'));
  }
}

TEST(CountryCodeTest, BufferWithoutRoomForTheNulGetsNothing) {
  test_support::ScopedEnvironment environment;
  chooseUserLocale(environment, {{"LC_ALL", "en_GB.UTF-8"}});
  std::string buffer = "---";
  for (const std::int32_t size : {-1, 0, 2}) EXPECT_EQ(platform::countryCodeText(buffer.data(), size), 0);
  EXPECT_EQ(buffer, "---");
  EXPECT_EQ(platform::countryCodeText(nullptr, 3), 0);
  EXPECT_EQ(platform::countryCodeText(buffer.data(), 3), 3);
}

TEST(CountryCodeTest, QueryLeavesTheProcessLocaleAlone) {
  test_support::ScopedEnvironment environment;
  chooseUserLocale(environment, {{"LC_ALL", "de_DE.UTF-8"}});
  const std::string before = std::setlocale(LC_ALL, nullptr);
  ASSERT_EQ(platform::countryCodeSize(), 3);
  EXPECT_EQ(std::setlocale(LC_ALL, nullptr), before);
}

}  // namespace
