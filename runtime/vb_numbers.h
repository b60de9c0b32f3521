#pragma once
// Checked Visual Basic integers and text-to-number conversion.

#include <cstdint>
#include <string_view>

namespace vb {

// VB's Integer: a value outside -32768..32767 raises Overflow (6).
std::int16_t CInt(std::int64_t value);
// VB's Long: a value outside the signed 32-bit range raises Overflow (6).
std::int32_t CLng(std::int64_t value);

// Text to Integer / Long as CInt and CLng convert it: blanks around a decimal
// number are allowed, a fraction rounds to the nearest integer with ties to
// even; anything that is not a number raises Type mismatch (13), a number out
// of range raises Overflow (6).
std::int16_t CInt(std::string_view text);
std::int32_t CLng(std::string_view text);

// Rounds to the nearest integer, ties to even, as VB's conversions do.
double roundHalfEven(double value);

}  // namespace vb
