#pragma once
// The system's version as the error log prints it.

#include <string>

#include "platform/system_services.h"

namespace utilities {

// "<platform> v<major>.<minor> Build <build> <service pack>", or
// "Windows version unknown" when the system cannot tell. Trapped
// ("modGeneral", "msGetOSVersion").
std::string msGetOSVersion(bool& bError);
std::string osVersionText(const platform::OsVersionInfo& info);
inline constexpr const char* kOsVersionUnknown = "Windows version unknown";

}  // namespace utilities
