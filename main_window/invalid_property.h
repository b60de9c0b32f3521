#pragma once
// What a control raises when it is given a value it cannot take.

#include <cstdint>

#include "runtime/vb_error.h"

namespace main_window {

inline constexpr std::int32_t kInvalidPropertyValue = 380;

[[noreturn]] inline void raiseInvalidPropertyValue() {
  throw vb::VbError(kInvalidPropertyValue, "Invalid property value");
}

}  // namespace main_window
