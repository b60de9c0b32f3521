#include "diagnostics/locale_info.h"

#include <string_view>

#include "diagnostics/app_globals.h"
#include "diagnostics/dialogs.h"
#include "diagnostics/error_handler.h"
#include "diagnostics/error_trap.h"
#include "platform/application_info.h"
#include "platform/settings_store.h"
#include "platform/system_services.h"
#include "runtime/vb_error.h"

namespace diagnostics {

namespace {
constexpr std::string_view kModule = "modGetLocaleInfo";
constexpr std::string_view kSection = platform::ApplicationInfo::kTitle;
constexpr std::string_view kRegionKey = "UserRegion";

// The size query: characters needed including the NUL, 0 for a failure or an
// item the program does not know.
std::int32_t localeItemSize(std::int32_t item) {
  return item == kLocaleCountryCode ? platform::countryCodeSize() : 0;
}

std::int32_t localeItemText(std::int32_t item, std::string& buffer) {
  if (item != kLocaleCountryCode) return 0;
  return platform::countryCodeText(buffer.data(), static_cast<std::int32_t>(buffer.size()));
}

void showRegionChanged() {
  Dialogs* dialogs = errorHandlerSetup().dialogs;
  if (dialogs == nullptr) vb::raise(vb::err::ObjectNotSet);
  dialogs->messageBox("Your region setting has changed\r\n\r\nResetting start up defaults",
                      msgbox::OkOnly | msgbox::Exclamation, gsMsgBoxTitle);
}
}  // namespace

std::string msGetLocaleInfoUser(std::int32_t item, bool& bError) {
  std::string result;
  ErrorTrap trap{kModule, "msGetLocaleInfoUser", bError};
  std::string stepLabel = "GetLocaleInfo 1";
  std::int32_t needed = 0;
  std::int32_t written = 0;
  std::string buffer;

  if (!trap.step(1, [&] { needed = localeItemSize(item); })) return result;
  if (needed != 0) {
    if (!trap.step(2, [&] {
          buffer.assign(static_cast<std::size_t>(needed), '\0');
          stepLabel = "GetLocaleInfo 2";
          written = localeItemText(item, buffer);
        }))
      return result;
    if (!trap.step(3, [&] {
          const auto end = buffer.find('\0');
          if (written != 0 && end != std::string::npos) result = buffer.substr(0, end);
        }))
      return result;
  }
  trap.step(4, [&] {
    if (needed == 0 || written == 0)
      throw vb::VbError::programDefined(stepLabel, "Error occurred with GetLocaleInfo");
  });
  return result;
}

std::string msGetLocaleInfoUserRegionCode(bool& bError) {
  std::string result;
  ErrorTrap trap{kModule, "msGetLocaleInfoUserRegionCode", bError};
  trap.step(1, [&] { result = msGetLocaleInfoUser(kLocaleCountryCode, bError); });
  return result;
}

bool gbGetLocaleInfoUserRegionChanged(bool& bError) {
  bool result = false;
  ErrorTrap trap{kModule, "gbGetLocaleInfoUserRegionChanged", bError};
  std::string stored;
  bool changed = false;

  if (!trap.step(1, [&] { gsUserRegion = msGetLocaleInfoUserRegionCode(bError); })) return result;
  if (!trap.step(2, [&] { stored = platform::getSetting(kSection, kRegionKey, ""); })) return result;
  if (!trap.step(3, [&] { changed = !stored.empty() && stored != gsUserRegion && !bError; })) return result;
  if (!changed) return result;
  if (!trap.step(4, [&] { showRegionChanged(); })) return result;
  result = true;
  return result;
}

void gGetLocaleInfoSaveUserRegion(bool& bError) {
  ErrorTrap trap{kModule, "gGetLocaleInfoSaveUserRegion", bError};
  std::string region;
  if (!trap.step(1, [&] { region = msGetLocaleInfoUserRegionCode(bError); })) return;
  // A failed or empty query must not overwrite the code stored last time.
  if (bError || region.empty()) return;
  trap.step(2, [&] { platform::saveSetting(kSection, kRegionKey, region); });
}

}  // namespace diagnostics
