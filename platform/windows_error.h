#pragma once
// Windows only: a failed file call (GetLastError's code) as the matching
// Visual Basic file error, carrying the code as the last system error.

#include <cstdint>

#include "runtime/vb_error.h"

namespace platform {

vb::VbError fileErrorFromWindows(std::uint32_t systemError);

}  // namespace platform
