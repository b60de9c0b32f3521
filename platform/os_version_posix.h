#pragma once
// The system version from uname, split so that any release text can be tried.

#include <string_view>

#include "platform/system_services.h"

namespace platform {

// The version record made of uname's system name, release and version texts:
// major, minor and build are the release's leading dot-separated numbers
// ("6.1.0-18-amd64" gives 6, 1, 0; missing ones are 0, one too large for 32
// bits is the largest value); the version text is the service-pack text.
OsVersionInfo osVersionFromUname(std::string_view systemName, std::string_view release,
                                 std::string_view version);

}  // namespace platform
