#pragma once
// Time texts: elapsed run time, and the user's short-date and long-time formats.

#include <chrono>
#include <cstdint>
#include <ctime>
#include <string>

namespace vb {

// "HH:MM:SS", two digits at least for each part, whatever the locale's clock
// format; hours go past 23 rather than wrap.
std::string formatElapsed(std::chrono::milliseconds elapsed);

// The current locale's date and time formats (LC_TIME), as the log prints them.
std::string formatShortDate(const std::tm& when);
std::string formatLongTime(const std::tm& when);

std::tm localNow();

}  // namespace vb
