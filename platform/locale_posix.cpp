// The user's country code from the telephone category of the user's default
// locale (LC_ALL, LC_TELEPHONE, LANG), read into a locale object of its own so
// that the process locale stays as it is.
//
// C, C.UTF-8 and POSIX, the locales of containers and minimal installs, name
// no calling code. They are regional settings like any other, so they get a
// code of their own that no telephone code can equal (those are digits). Only
// a locale that cannot be loaded at all counts as a failed query.

#include <langinfo.h>
#include <locale.h>

#include <cstring>
#include <string>

#include "platform/system_services.h"

namespace platform {

namespace {

constexpr const char* kNoCallingCode = "C";

// The international calling code ("44"), kNoCallingCode for a locale that
// names none, empty when the user's locale cannot be loaded.
std::string userCallingCode() {
  const locale_t userLocale = ::newlocale(LC_TELEPHONE_MASK, "", static_cast<locale_t>(0));
  if (userLocale == static_cast<locale_t>(0)) return {};
  std::string code = ::nl_langinfo_l(_NL_TELEPHONE_INT_PREFIX, userLocale);
  ::freelocale(userLocale);
  return code.empty() ? kNoCallingCode : code;
}

}  // namespace

std::int32_t countryCodeSize() {
  const std::string code = userCallingCode();
  if (code.empty()) return 0;
  return static_cast<std::int32_t>(code.size() + 1);
}

std::int32_t countryCodeText(char* buffer, std::int32_t size) {
  const std::string code = userCallingCode();
  const std::size_t needed = code.size() + 1;
  if (code.empty() || buffer == nullptr || size < 0 || static_cast<std::size_t>(size) < needed) return 0;
  std::memcpy(buffer, code.c_str(), needed);
  return static_cast<std::int32_t>(needed);
}

}  // namespace platform
