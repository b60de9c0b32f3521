#include "utilities/general.h"

#include <string_view>

#include "diagnostics/app_globals.h"
#include "diagnostics/error_trap.h"
#include "diagnostics/locale_info.h"
#include "platform/application_info.h"
#include "runtime/codepage.h"
#include "runtime/vb_error.h"

namespace utilities {

namespace {
constexpr std::string_view kModule = "modGeneral";
}  // namespace

std::filesystem::path helpFilePath(const std::filesystem::path& folder) {
  using platform::ApplicationInfo;
  const std::filesystem::path html = folder / ApplicationInfo::kHelpHtmlIndex;
  std::error_code error;
  const bool useHtml = ApplicationInfo::kHelpPrefersHtml && std::filesystem::is_regular_file(html, error);
  return useHtml ? html : folder / ApplicationInfo::kHelpFile;
}

// An installed program's help is in share/scopster, not beside it in bin/.
void gGShowHelp(const DocumentOpener& open, bool& bError) { showHelpIn(platform::helpFolder(), open, bError); }

void showHelpIn(const std::filesystem::path& folder, const DocumentOpener& open, bool& bError) {
  diagnostics::ErrorTrap trap{kModule, "gGShowHelp", bError};
  std::filesystem::path path;
  std::int32_t shellResult = 0;
  if (!trap.step(1, [&] { path = helpFilePath(folder); })) return;
  if (!trap.step(2, [&] {
        if (!open) vb::raise(vb::err::ObjectNotSet);
        shellResult = open(path);
      }))
    return;
  trap.step(3, [&] { raiseOnShellFailure(shellResult); });
}

void gGStartUpSetStuff(PlaceableWindow& window, bool& bError) {
  diagnostics::ErrorTrap trap{kModule, "gGStartUpSetStuff", bError};
  // A missing version text must not keep the program from starting.
  if (!trap.step(1, [&] {
        diagnostics::gsOSVersion = msGetOSVersion(bError);
        if (bError) {
          diagnostics::gsOSVersion = kOsVersionUnknown;
          bError = false;
        }
      }))
    return;
  if (!trap.step(2, [&] { diagnostics::gsMsgBoxTitle = diagnostics::gsProductVersion; })) return;
  if (!trap.step(3, [&] { static_cast<void>(diagnostics::gbGetLocaleInfoUserRegionChanged(bError)); })) return;
  if (bError) return;
  trap.step(4, [&] { gGFormLeftEtcGetMove(window, -1, -1, bError); });
}

}  // namespace utilities
