#pragma once
// The user's region (country code) and the start-up warning when it has
// changed since the last orderly close.

#include <cstdint>
#include <string>

namespace diagnostics {

// The locale item of the country code, the only item the program asks for.
inline constexpr std::int32_t kLocaleCountryCode = 5;

// The item's text for the user's locale; "" when the query failed (reported
// as a program-defined error "GetLocaleInfo 1" or "GetLocaleInfo 2").
std::string msGetLocaleInfoUser(std::int32_t item, bool& bError);
std::string msGetLocaleInfoUserRegionCode(bool& bError);

// Sets gsUserRegion; tells the user and returns true when a stored region
// code exists and differs from the current one. Changes no setting.
bool gbGetLocaleInfoUserRegionChanged(bool& bError);
// Stores the current region code, never an empty one.
void gGetLocaleInfoSaveUserRegion(bool& bError);

}  // namespace diagnostics
