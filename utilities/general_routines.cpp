#include "utilities/general_routines.h"

#include <string_view>

#include "diagnostics/error_trap.h"
#include "platform/clock.h"
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

}  // namespace utilities
