#include "platform/os_version_posix.h"

#include <sys/utsname.h>

#include <charconv>
#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

namespace platform {

namespace {

// The Windows version record holds 128 bytes of service-pack text with its NUL.
constexpr std::size_t kServicePackLength = 127;

// Reads the number at the front of text and removes it; nullopt when text does
// not start with a digit.
std::optional<std::int32_t> takeNumber(std::string_view& text) {
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (end == text.data()) return std::nullopt;
  if (error == std::errc::result_out_of_range) value = std::numeric_limits<std::int32_t>::max();
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return value;
}

// Major, minor and build are the release's leading dot-separated numbers.
void setReleaseNumbers(OsVersionInfo& info, std::string_view release) {
  for (std::int32_t* field : {&info.major, &info.minor, &info.build}) {
    const auto number = takeNumber(release);
    if (!number) return;
    *field = *number;
    if (!release.starts_with('.')) return;
    release.remove_prefix(1);
  }
}

}  // namespace

OsVersionInfo osVersionFromUname(std::string_view systemName, std::string_view release,
                                 std::string_view version) {
  OsVersionInfo info;
  setReleaseNumbers(info, release);
  info.servicePack = std::string(version.substr(0, kServicePackLength));
  info.platformName = std::string(systemName);
  return info;
}

std::optional<OsVersionInfo> queryOsVersion() {
  utsname names{};
  if (::uname(&names) != 0) return std::nullopt;
  return osVersionFromUname(names.sysname, names.release, names.version);
}

}  // namespace platform
