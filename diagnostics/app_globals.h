#pragma once
// The application-wide texts that start-up fills once and the error log prints.

#include <cstdint>
#include <string>

namespace diagnostics {

inline std::string gsProductVersion;  // "Scopster v0.916", set by the splash screen
inline std::string gsMsgBoxTitle;     // copy of gsProductVersion; caption and box title
inline std::string gsOSVersion;       // system version text, or "Windows version unknown"
inline std::string gsUserRegion;      // the user's country code
inline std::int32_t gnErrorAnswer = 0;  // the last answer of the error handler

}  // namespace diagnostics
