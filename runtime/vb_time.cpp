#include "runtime/vb_time.h"

#include <array>
#include <cstdio>

namespace vb {

std::string formatElapsed(std::chrono::milliseconds elapsed) {
  const long long total = elapsed.count() < 0 ? 0 : elapsed.count() / 1000;
  std::array<char, 48> text{};
  std::snprintf(text.data(), text.size(), "%02lld:%02lld:%02lld", total / 3600, (total / 60) % 60,
                total % 60);
  return text.data();
}

namespace {
std::string formatWith(const char* format, const std::tm& when) {
  std::array<char, 128> text{};
  const std::size_t length = std::strftime(text.data(), text.size(), format, &when);
  return std::string(text.data(), length);
}
}  // namespace

std::string formatShortDate(const std::tm& when) { return formatWith("%x", when); }
std::string formatLongTime(const std::tm& when) { return formatWith("%X", when); }

std::tm localNow() {
  const std::time_t now = std::time(nullptr);
  std::tm result{};
#ifdef _WIN32
  localtime_s(&result, &now);
#else
  localtime_r(&now, &result);
#endif
  return result;
}

}  // namespace vb
