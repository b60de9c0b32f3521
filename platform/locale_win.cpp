// The user's country code: LOCALE_ICOUNTRY of the user's default locale, in the
// locale interface's own two steps (size, then text).

#include <windows.h>

#include "platform/system_services.h"

namespace platform {

std::int32_t countryCodeSize() {
  return ::GetLocaleInfoA(::GetUserDefaultLCID(), LOCALE_ICOUNTRY, nullptr, 0);
}

std::int32_t countryCodeText(char* buffer, std::int32_t size) {
  if (buffer == nullptr || size <= 0) return 0;
  return ::GetLocaleInfoA(::GetUserDefaultLCID(), LOCALE_ICOUNTRY, buffer, size);
}

}  // namespace platform
