#pragma once
// The number of the VbError an action raises, 0 when it raises none.

#include <cstdint>

#include "runtime/vb_error.h"

namespace platform_test {

template <typename Action>
std::int32_t vbErrorNumber(Action&& action) {
  try {
    action();
  } catch (const vb::VbError& error) {
    return error.number();
  }
  return 0;
}

}  // namespace platform_test
