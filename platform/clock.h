#pragma once
// The millisecond tick counter: monotonic, wraps like a 32-bit counter.

#include <cstdint>

namespace platform {

std::uint32_t tickCount();

}  // namespace platform
