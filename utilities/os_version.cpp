#include "utilities/os_version.h"

#include <optional>
#include <string_view>

#include "diagnostics/error_trap.h"

namespace utilities {

namespace {
constexpr std::string_view kModule = "modGeneral";

std::string platformName(const platform::OsVersionInfo& info) {
  if (!info.platformName.empty()) return info.platformName;
  switch (info.platformId) {
    case 0: return "Win3.x";
    case 1: return "Win9x";
    case 2: return "WinNT";
    default: return "Unknown";
  }
}
}  // namespace

std::string osVersionText(const platform::OsVersionInfo& info) {
  return platformName(info) + " v" + std::to_string(info.major) + "." + std::to_string(info.minor) +
         " Build " + std::to_string(info.build) + " " + info.servicePack;
}

std::string msGetOSVersion(bool& bError) {
  std::string result;
  diagnostics::ErrorTrap trap{kModule, "msGetOSVersion", bError};
  std::optional<platform::OsVersionInfo> info;
  if (!trap.step(1, [&] { info = platform::queryOsVersion(); })) return result;
  trap.step(2, [&] { result = info ? osVersionText(*info) : kOsVersionUnknown; });
  return result;
}

}  // namespace utilities
