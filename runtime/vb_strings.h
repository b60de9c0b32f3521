#pragma once
// Visual Basic's text functions over byte strings (one byte, one character),
// with 1-based positions and the run-time's rules for out-of-range arguments.

#include <cstdint>
#include <string>
#include <string_view>

namespace vb {

// The first n characters; all of s when n exceeds its length; n < 0 raises 5.
std::string_view Left(std::string_view s, std::int64_t n);
// The last n characters; all of s when n exceeds its length; n < 0 raises 5.
std::string_view Right(std::string_view s, std::int64_t n);
// From 1-based start to the end; start < 1 raises 5; start past the end gives "".
std::string_view Mid(std::string_view s, std::int64_t start);
// At most length characters from start; start < 1 or length < 0 raises 5.
std::string_view Mid(std::string_view s, std::int64_t start, std::int64_t length);
// 1-based position of find in s at or after start, 0 when absent. start < 1
// raises 5; start past the end of s gives 0; an empty s gives 0; an empty find
// gives start.
std::int64_t InStr(std::int64_t start, std::string_view s, std::string_view find);
inline std::int64_t InStr(std::string_view s, std::string_view find) { return InStr(1, s, find); }

// Length as VB's Len gives it.
inline std::int64_t Len(std::string_view s) { return static_cast<std::int64_t>(s.size()); }

}  // namespace vb
