#include "runtime/vb_strings.h"

#include "runtime/vb_error.h"

namespace vb {

namespace {
std::size_t clampedCount(std::string_view s, std::int64_t n) {
  if (n < 0) raise(err::InvalidProcedureCall);
  return static_cast<std::uint64_t>(n) > s.size() ? s.size() : static_cast<std::size_t>(n);
}
}  // namespace

std::string_view Left(std::string_view s, std::int64_t n) { return s.substr(0, clampedCount(s, n)); }

std::string_view Right(std::string_view s, std::int64_t n) {
  const std::size_t count = clampedCount(s, n);
  return s.substr(s.size() - count);
}

std::string_view Mid(std::string_view s, std::int64_t start) {
  if (start < 1) raise(err::InvalidProcedureCall);
  if (static_cast<std::uint64_t>(start) > s.size()) return {};
  return s.substr(static_cast<std::size_t>(start - 1));
}

std::string_view Mid(std::string_view s, std::int64_t start, std::int64_t length) {
  if (length < 0) raise(err::InvalidProcedureCall);
  const std::string_view rest = Mid(s, start);
  return rest.substr(0, clampedCount(rest, length));
}

std::int64_t InStr(std::int64_t start, std::string_view s, std::string_view find) {
  if (start < 1) raise(err::InvalidProcedureCall);
  if (s.empty() || static_cast<std::uint64_t>(start) > s.size()) return 0;
  if (find.empty()) return start;
  const std::size_t at = s.find(find, static_cast<std::size_t>(start - 1));
  return at == std::string_view::npos ? 0 : static_cast<std::int64_t>(at) + 1;
}

}  // namespace vb
