#include "utilities/general.h"

#include <optional>
#include <string_view>

#include "diagnostics/app_globals.h"
#include "diagnostics/error_trap.h"
#include "diagnostics/locale_info.h"
#include "platform/application_info.h"
#include "platform/clock.h"
#include "runtime/codepage.h"
#include "runtime/vb_error.h"

namespace utilities {

namespace {
constexpr std::string_view kModule = "modGeneral";
// The shell's return values up to this one are failures.
constexpr std::int32_t kLastShellFailure = 32;

std::string withoutTrailing(std::string text, char strip) {
  while (!text.empty() && text.back() == strip) text.pop_back();
  return text;
}

std::string withoutBlanksAround(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string gsGStringLeftStrip(std::string text, std::string strip, bool& bError) {
  std::string result;
  diagnostics::ErrorTrap trap{kModule, "gsGStringLeftStrip", bError};
  if (!trap.step(1, [&] {
        if (strip.size() == 1) text.erase(0, text.find_first_not_of(strip[0]));
      }))
    return result;
  trap.step(2, [&] { result = text; });
  return result;
}

std::string gsGTrim(std::string text, bool& bError) {
  std::string result;
  diagnostics::ErrorTrap trap{kModule, "gsGTrim", bError};
  if (!trap.step(1, [&] { text = gsGStringLeftStrip(text, std::string(1, '\0'), bError); })) return result;
  if (bError) return result;
  if (!trap.step(2, [&] { text = withoutTrailing(text, '\0'); })) return result;
  trap.step(3, [&] { result = withoutBlanksAround(text); });
  return result;
}

bool gbGLenTrim(std::string text, bool& bError) {
  bool result = false;
  diagnostics::ErrorTrap trap{kModule, "gbGLenTrim", bError};
  trap.step(1, [&] { result = !gsGTrim(text, bError).empty(); });
  return result;
}

std::int16_t gnGAscii(std::string text, bool& bError) {
  std::int16_t result = 0;
  diagnostics::ErrorTrap trap{kModule, "gnGAscii", bError};
  trap.step(1, [&] {
    if (!text.empty()) result = static_cast<unsigned char>(text.front());
  });
  return result;
}

void gGPause(std::int16_t milliseconds, bool& bError) {
  diagnostics::ErrorTrap trap{kModule, "gGPause", bError};
  std::uint32_t start = 0;
  if (!trap.step(1, [&] { start = platform::tickCount(); })) return;
  trap.step(2, [&] {
    const std::uint32_t wanted = milliseconds > 0 ? static_cast<std::uint32_t>(milliseconds) : 0U;
    while (static_cast<std::uint32_t>(platform::tickCount() - start) < wanted) {
    }
  });
}

void raiseOnShellFailure(std::int32_t shellResult) {
  if (shellResult <= kLastShellFailure)
    throw vb::VbError::programDefined("ShellExecute",
                                      "Error " + std::to_string(shellResult) + " has occurred with ShellExecute");
}

std::filesystem::path helpFilePath(const std::filesystem::path& folder) {
  using platform::ApplicationInfo;
  const std::filesystem::path html = folder / ApplicationInfo::kHelpHtmlIndex;
  std::error_code error;
  const bool useHtml = ApplicationInfo::kHelpPrefersHtml && std::filesystem::is_regular_file(html, error);
  return useHtml ? html : folder / ApplicationInfo::kHelpFile;
}

// An installed program's help is in share/scopster, not beside it in bin/.
void gGShowHelp(bool& bError) { showHelpIn(platform::helpFolder(), bError); }

void showHelpIn(const std::filesystem::path& folder, bool& bError) {
  diagnostics::ErrorTrap trap{kModule, "gGShowHelp", bError};
  std::filesystem::path path;
  std::int32_t shellResult = 0;
  if (!trap.step(1, [&] { path = helpFilePath(folder); })) return;
  if (!trap.step(2, [&] { shellResult = platform::openFile(path); })) return;
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
