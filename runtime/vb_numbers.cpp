#include "runtime/vb_numbers.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "runtime/vb_error.h"

namespace vb {

std::int16_t CInt(std::int64_t value) {
  if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
    raise(err::Overflow);
  return static_cast<std::int16_t>(value);
}

std::int32_t CLng(std::int64_t value) {
  if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
    raise(err::Overflow);
  return static_cast<std::int32_t>(value);
}

double roundHalfEven(double value) {
  const double floor = std::floor(value);
  const double fraction = value - floor;
  if (fraction > 0.5) return floor + 1;
  if (fraction < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1;
}

namespace {
std::string_view trimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

bool looksNumeric(std::string_view text) {
  bool digit = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') digit = true;
    else if (!((c == '+' || c == '-') && i == 0) && c != '.' && c != 'e' && c != 'E') return false;
  }
  return digit;
}

double parseNumber(std::string_view text) {
  const std::string_view trimmed = trimBlanks(text);
  if (!looksNumeric(trimmed)) raise(err::TypeMismatch);
  const std::string copy(trimmed);
  char* end = nullptr;
  errno = 0;
  const double value = std::strtod(copy.c_str(), &end);
  if (end != copy.c_str() + copy.size()) raise(err::TypeMismatch);
  if (errno == ERANGE || !std::isfinite(value)) raise(err::Overflow);
  return value;
}

std::int64_t roundedForConversion(std::string_view text) {
  const double rounded = roundHalfEven(parseNumber(text));
  if (rounded < -9.2e18 || rounded > 9.2e18) raise(err::Overflow);
  return static_cast<std::int64_t>(rounded);
}
}  // namespace

std::int16_t CInt(std::string_view text) { return CInt(roundedForConversion(text)); }
std::int32_t CLng(std::string_view text) { return CLng(roundedForConversion(text)); }

}  // namespace vb
