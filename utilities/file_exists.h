#pragma once

#include "utilities/vb_path.h"

namespace utilities {

// True when path is not empty and names an existing regular file that is not
// hidden (its name does not begin with "."). "*" and "?" in the last path
// component match as a folder search would, case-insensitively. A failing
// search is reported through the error trap ("modFileExists"); the result is
// then false.
bool gbFileExists(const HeldPath& path, bool& bError);

}  // namespace utilities
