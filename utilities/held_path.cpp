#include "runtime/codepage.h"
#include "utilities/vb_path.h"

namespace utilities {

// The written rest shows as Windows-1252 on every system, so that the same
// project lists the same text everywhere.
std::string pathText(const HeldPath& path) { return pathText(path.native) + vb::cp1252ToUtf8(path.written); }

}  // namespace utilities
