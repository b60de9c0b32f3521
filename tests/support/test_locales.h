#pragma once
// The locales the build compiles for the tests (en_GB, en_US, de_DE); a
// program that uses them links test_locales.

#include <string>

#include "tests/support/scoped_environment.h"

namespace test_support {

// Makes name the user's locale in every category, as LC_ALL at login does.
inline void useLocale(ScopedEnvironment& environment, const std::string& name) {
  environment.set("LOCPATH", SCOPSTER_TEST_LOCALE_FOLDER);
  environment.set("LC_ALL", name);
}

}  // namespace test_support
